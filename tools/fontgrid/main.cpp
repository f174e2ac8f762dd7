// fontgrid: draws the 256 codes of the built-in code font into a 16x16 grid with hex labels
// and saves it as a PNG, so the calculator symbols can be checked by eye.
//
// Usage: fontgrid OUTPUT.png
// Runs without a display (offscreen platform unless QT_QPA_PLATFORM says otherwise).

#include <QByteArray>
#include <QFile>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTextStream>

namespace {

const QString fontResource = QStringLiteral(":/fonts/UlvoCodeSaverFont.ttf");
constexpr int glyphPixels = 48;
constexpr int cellWidth = 96;
constexpr int cellHeight = 92;
constexpr int margin = 16;
constexpr int titleHeight = 36;

// Each glyph is drawn by its own index from the font's character map, without text shaping,
// so what the grid shows is exactly what the font holds for that code.
void drawCell(QPainter &painter, const QRawFont &glyphFont, const QFont &labelFont, int code,
              const QRectF &cell)
{
    painter.setPen(QColor(0xc8, 0xc8, 0xc8));
    painter.drawRect(cell);
    painter.setFont(labelFont);
    painter.setPen(QColor(0x60, 0x60, 0xa0));
    painter.drawText(cell.adjusted(4, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper());

    const QVector<quint32> glyphs = glyphFont.glyphIndexesForString(QString(QChar(code)));
    const QVector<QPointF> advances = glyphFont.advancesForGlyphIndexes(glyphs);
    const qreal advance = advances.isEmpty() ? 0 : advances.first().x();
    const qreal baseline = cell.bottom() - 24;
    const qreal left = cell.center().x() - advance / 2;

    // The advance and the baseline, faintly, to show each glyph's width.
    painter.setPen(QColor(0xe8, 0xb0, 0xb0));
    painter.drawLine(QPointF(left, baseline), QPointF(left + advance, baseline));
    painter.drawLine(QPointF(left, baseline - 4), QPointF(left, baseline + 4));
    painter.drawLine(QPointF(left + advance, baseline - 4), QPointF(left + advance, baseline + 4));

    QGlyphRun run;
    run.setRawFont(glyphFont);
    run.setGlyphIndexes(glyphs);
    run.setPositions({QPointF(left, baseline)});
    painter.setPen(Qt::black);
    painter.drawGlyphRun(QPointF(0, 0), run);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: fontgrid OUTPUT.png\n";
        return 2;
    }

    QFile file(fontResource);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "cannot read " << fontResource << "\n";
        return 1;
    }
    const QByteArray fontData = file.readAll();
    const int fontId = QFontDatabase::addApplicationFontFromData(fontData);
    const QStringList families = QFontDatabase::applicationFontFamilies(fontId);
    const QRawFont glyphFont(fontData, glyphPixels);
    if (families.isEmpty() || !glyphFont.isValid()) {
        err << "the code font does not load\n";
        return 1;
    }

    QFont labelFont(families.first());
    labelFont.setPixelSize(13);
    QFont titleFont(families.first());
    titleFont.setPixelSize(18);

    QImage image(2 * margin + 16 * cellWidth, 2 * margin + titleHeight + 16 * cellHeight,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(titleFont);
        painter.drawText(QRectF(margin, margin, 16 * cellWidth, titleHeight), Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("%1 (%2): codes 00 to FF, %3 px")
                             .arg(families.first(), fontResource).arg(glyphPixels));
        for (int code = 0; code < 256; ++code) {
            const QRectF cell(margin + (code % 16) * cellWidth, margin + titleHeight + (code / 16) * cellHeight,
                              cellWidth, cellHeight);
            drawCell(painter, glyphFont, labelFont, code, cell);
        }
    }
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        err << "cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
