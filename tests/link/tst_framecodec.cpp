#include "link/framecodec.h"

#include <QtTest>

#include <cstring>

class TestFrameCodec : public QObject
{
    Q_OBJECT
private slots:
    void framesInPlace();
    void refusesPayloadOverLengthLimit();
    void decodesStream_data();
    void decodesStream();
    void clearForgetsPreambleBytes();
    void readsInPiecesIntoReusedBuffer();
};

void TestFrameCodec::framesInPlace()
{
    QByteArray data = QByteArray::fromHex("0801");
    QVERIFY(FrameCodec::frame(data));
    QCOMPARE(data, QByteArray::fromHex("43414c4302000801"));

    QByteArray big(0x1234, 'x');
    QVERIFY(FrameCodec::frame(big));
    QCOMPARE(big.mid(4, 2), QByteArray::fromHex("3412"));
}

void TestFrameCodec::refusesPayloadOverLengthLimit()
{
    QByteArray fits(FrameCodec::maxPayload, 'a');
    QVERIFY(FrameCodec::frame(fits));
    QByteArray tooLong(FrameCodec::maxPayload + 1, 'a');
    QVERIFY(!FrameCodec::frame(tooLong));
    QCOMPARE(tooLong.size(), FrameCodec::maxPayload + 1);
}

// Each row feeds the chunks one after the other and lists the payloads expected, in order.
void TestFrameCodec::decodesStream_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QList<QByteArray>>("payloads");
    const QByteArray ok = QByteArray::fromHex("080b");
    QTest::newRow("one frame") << QList<QByteArray>{QByteArray::fromHex("43414c430200080b")}
                               << QList<QByteArray>{ok};
    QTest::newRow("noise before") << QList<QByteArray>{QByteArray::fromHex("00ff434143414c430200080b")}
                                  << QList<QByteArray>{ok};
    QTest::newRow("split preamble") << QList<QByteArray>{QByteArray::fromHex("4341"), QByteArray::fromHex("4c430200080b")}
                                    << QList<QByteArray>{ok};
    QTest::newRow("split length") << QList<QByteArray>{QByteArray::fromHex("43414c4302"), QByteArray::fromHex("00"), QByteArray::fromHex("080b")}
                                  << QList<QByteArray>{ok};
    QTest::newRow("empty payload") << QList<QByteArray>{QByteArray::fromHex("43414c430000")}
                                   << QList<QByteArray>{QByteArray()};
    QTest::newRow("two frames in one read")
        << QList<QByteArray>{QByteArray::fromHex("43414c430200080b43414c4302000801")}
        << QList<QByteArray>{ok, QByteArray::fromHex("0801")};
    QTest::newRow("incomplete payload") << QList<QByteArray>{QByteArray::fromHex("43414c430300080b")}
                                        << QList<QByteArray>{};
    // The preamble search starts afresh after a frame: "ALC" noise must not join the last "C" of
    // nothing into a preamble.
    QTest::newRow("preamble tail right after a frame")
        << QList<QByteArray>{QByteArray::fromHex("43414c430200080b") + "ALC", QByteArray::fromHex("43414c4302000801")}
        << QList<QByteArray>{ok, QByteArray::fromHex("0801")};
    QTest::newRow("frame ending in C, then ALC")
        << QList<QByteArray>{QByteArray::fromHex("43414c43010043") + "ALC" + QByteArray::fromHex("43414c430200080b")}
        << QList<QByteArray>{QByteArray("C"), ok};
}

void TestFrameCodec::decodesStream()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QList<QByteArray>, payloads);
    FrameDecoder decoder;
    QList<QByteArray> got;
    for (const QByteArray &chunk : chunks) {
        decoder.feed(chunk);
        while (auto payload = decoder.takeFrame())
            got.append(*payload);
    }
    QCOMPARE(got, payloads);
}

// What was seen before clear() does not count towards the next preamble.
void TestFrameCodec::clearForgetsPreambleBytes()
{
    FrameDecoder decoder;
    decoder.feed("CAL");
    QVERIFY(!decoder.takeFrame());
    decoder.clear();
    decoder.feed(QByteArray("C") + QByteArray::fromHex("43414c430200080b"));
    QCOMPARE(decoder.takeFrame().value_or("none"), QByteArray::fromHex("080b"));
}

// Bytes read straight into the decoder's buffer, in pieces of every size: frames split across
// reads, and bytes of the next frame left behind a taken one, must come out whole and in order
// while the buffer is reused and its unread bytes moved to the front.
void TestFrameCodec::readsInPiecesIntoReusedBuffer()
{
    QList<QByteArray> payloads;
    QByteArray stream("noise");
    for (int size : {0, 1, 2, 7, 300, 512, 1030, 3, 4096, 5}) {
        QByteArray payload(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            payload[i] = char(size + i * 7);
        payloads.append(payload);
        QByteArray frame = payload;
        QVERIFY(FrameCodec::frame(frame));
        stream += frame;
    }
    for (int piece : {1, 2, 3, 5, 6, 7, 64, 511, 1024, 5000}) {
        FrameDecoder decoder;
        QList<QByteArray> got;
        for (int offset = 0; offset < stream.size(); offset += piece) {
            const int n = std::min(piece, int(stream.size()) - offset);
            std::memcpy(decoder.space(piece), stream.constData() + offset, size_t(n));
            decoder.commit(n);
            while (const std::optional<FramePayload> payload = decoder.nextFrame())
                got.append(QByteArray(payload->data, payload->size));
        }
        QCOMPARE(got, payloads);
        QVERIFY(!decoder.hasBufferedBytes());
    }
}

QTEST_GUILESS_MAIN(TestFrameCodec)
#include "tst_framecodec.moc"
