#include "link/filelisting.h"

#include "link/answertext.h"
#include "link/calcname.h"
#include "link/linklimits.h"
#include "link/linktexts.h"

using UlvoCalc::calcMsg;

std::optional<int> readFileCount(const QByteArray &payload)
{
    calcMsg answer;
    if (!parseAnswer(payload, answer) || answer.type() != calcMsg::SEND_FILES_NUM)
        return std::nullopt;
    return answer.numberoffiles();
}

FileListCollector::FileListCollector(int count)
    // A negative count is nonsense, and a huge one would hold the link for as long as the
    // calculator cares to answer.
    : m_count(count > 0 && count <= LinkLimits::maxFileCount ? count : 0)
{
}

FileListCollector::Step FileListCollector::take(const QByteArray &payload)
{
    if (m_passes >= m_count)
        return Step::Done;
    const bool last = ++m_passes == m_count;
    calcMsg answer;
    // Anything but a descriptor is passed over without an ack.
    if (!parseAnswer(payload, answer) || answer.type() != calcMsg::SEND_FILE_INF)
        return last ? Step::Done : Step::Next;
    const QByteArray bytes = QByteArray::fromStdString(answer.finf().name());
    const std::optional<QString> name = CalcName::decode(bytes);
    // A descriptor without fInf lists as an empty name; one whose name is not UTF-8 could not be
    // asked for again.
    if (name)
        m_files.append({*name, answer.finf().size()});
    else {
        m_leftOut.append(CalcName::display(bytes));
        m_problems.append(LinkTexts::invalidFileName(m_leftOut.last()));
    }
    return last ? Step::Done : Step::Ack;
}
