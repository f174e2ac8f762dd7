#include "link/sendplan.h"

#include "link/culvocalc.h"

#include <algorithm>

namespace SendPlan {

namespace {
// A pass that changes a converted name shortens its non-ASCII part (UTF-8 read as Latin-1 decodes
// to fewer characters) or turns it into ASCII ("_"), and a converted name has at most 18
// characters: it settles long before this bound, which only guards against a rule change.
constexpr int maxSettlePasses = 64;
} // namespace

QString calcName(const QString &localName)
{
    // A name that is not plain ASCII after one pass changes on the next (a character that is not
    // ASCII ends as "_"). The name is settled here, until the rule no longer changes it, and the
    // link sends through this function too: the name the user is told and the collisions checked
    // are the name the calculator stores.
    QString name = CUlvoCalc::convertToSfn(localName);
    for (int pass = 0; pass < maxSettlePasses; ++pass) {
        const QString next = CUlvoCalc::convertToSfn(name);
        if (next == name)
            break;
        name = next;
    }
    return name;
}

bool isNoticeableRename(const QString &localName, const QString &calcName)
{
    return localName.size() != calcName.size();
}

Placement place(qint64 size, const QString &localName, const QString &calcName, bool taken)
{
    if (size <= 0)
        return Placement::Skipped;
    if (isNoticeableRename(localName, calcName))
        return Placement::Renamed;
    return taken ? Placement::Taken : Placement::Accepted;
}

bool isInBatch(const QString &name, const QList<SendPair> &batch)
{
    const QString upper = name.toUpper();
    return std::any_of(batch.cbegin(), batch.cend(),
                       [&](const SendPair &file) { return file.second.toUpper() == upper; });
}

void placeReplacement(QList<SendPair> &batch, const SendPair &file)
{
    for (SendPair &queued : batch) {
        if (queued.second == file.second) {
            queued = file;
            return;
        }
    }
    batch.append(file);
}

} // namespace SendPlan
