#include "link/backuplist.h"

#include "link/answertext.h"
#include "link/calcname.h"
#include "link/linklimits.h"
#include "link/linktexts.h"

using UlvoCalc::calcMsg;

BackupListCollector::Step BackupListCollector::take(const QByteArray &payload)
{
    if (m_finished)
        return fail(LinkTexts::incorrectResponse());
    calcMsg answer;
    if (!parseAnswer(payload, answer))
        return fail(LinkTexts::parseMessage());
    if (answer.type() != calcMsg::SEND_FILE_INF)
        return fail(LinkTexts::incorrectResponse());
    const QByteArray name = QByteArray::fromStdString(answer.finf().name());
    if (name.isEmpty()) {
        m_finished = true;
        return Step::Complete;
    }
    // Without such a file the archive would not restore the calculator as it was.
    if (!CalcName::decode(name))
        return fail(tr("Can't back up file, its name can't be read: %1").arg(CalcName::display(name)));
    if (!CalcName::isArchiveName(name))
        return fail(LinkTexts::invalidFileName(CalcName::display(name)));
    // The list comes unpaced: without a bound a calculator could fill memory for ever.
    if (m_list.size() == LinkLimits::maxFileCount)
        return fail(LinkTexts::incorrectResponse());
    m_list.append(answer.finf());
    return Step::NeedMore;
}

BackupListCollector::Step BackupListCollector::fail(const QString &text)
{
    m_finished = true;
    m_failure = text;
    return Step::Failed;
}
