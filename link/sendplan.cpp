#include "link/sendplan.h"

#include "link/culvocalc.h"

#include <algorithm>

namespace SendPlan {

namespace {
// Every pass that changes a name turns non-ASCII characters further towards "_"; a few suffice.
constexpr int maxSettlePasses = 4;
} // namespace

QString calcName(const QString &localName)
{
    // The link applies the rule again when it sends, and a name that is not plain ASCII after one
    // pass changes on the next (a character that is not ASCII ends as "_"). Settling it here makes
    // the name the user is told and the collisions checked the name the calculator shows.
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
