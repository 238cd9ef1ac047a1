#include "base/sync/syncrules.h"

namespace SyncRules {

Agreed Agreed::parse(const QString &stored)
{
    const qsizetype space = stored.indexOf(QLatin1Char(' '));
    if (space < 0)
        return Agreed{stored, 0};
    bool ok = false;
    const qint64 edition = QStringView(stored).mid(space + 1).toLongLong(&ok);
    return Agreed{stored.left(space), ok && edition > 0 ? edition : 0};
}

QString Agreed::stored() const
{
    if (state.isEmpty() || edition <= 0)
        return state;
    return state + QLatin1Char(' ') + QString::number(edition);
}

namespace {

// Nothing in the folder under the note's name.
Action withoutFile(const Facts &facts)
{
    switch (facts.here) {
    case Here::None:
        return Action::Nothing;
    case Here::Open:
        return Action::Write;
    case Here::Deleted:
        if (facts.agreed.isEmpty())
            return Action::Nothing;   // deleted before the folder knew the note
        // Its deletion reached the folder, and the computer that wrote it dropped the file a
        // month later: written again by every other computer, it would never go.
        return facts.mine == facts.agreed.state ? Action::Forget : Action::Write;
    }
    return Action::Nothing;
}

} // namespace

Action decide(const Facts &facts)
{
    if (facts.there == There::Unusable)
        return Action::LeaveAlone;
    if (facts.there == There::Damaged)   // ours by name: this computer's version mends it
        return facts.here == Here::None ? Action::LeaveAlone : Action::Write;
    if (facts.there == There::None)
        return withoutFile(facts);
    if (facts.mine == facts.theirs)
        return Action::Remember;
    if (facts.here == Here::None)
        return facts.there == There::Note && facts.takingIn ? Action::TakeIn : Action::Nothing;

    const bool changedHere = facts.mine != facts.agreed.state;
    const bool changedThere = facts.theirs != facts.agreed.state;
    if (!changedThere)
        return Action::Write;
    // A change there is never written over while the program ends: the next start takes it in.
    if (!facts.takingIn)
        return Action::Nothing;
    // A file that went back in time. (One of the same edition with other content was edited by
    // hand, or written beside ours; the engine then keeps ours as a conflict copy, taken first.)
    const bool older = facts.theirEdition > 0 && facts.agreed.edition > 0 && facts.theirEdition < facts.agreed.edition;

    if (facts.here == Here::Deleted)
        return older ? Action::Write : Action::Restore;
    if (facts.there == There::Deleted) {
        // Changed here after the deletion: the note stays, and comes back there.
        if (older || changedHere)
            return Action::Write;
        return Action::TakeInDeletion;
    }
    if (older)
        return Action::KeepOlderApart;
    if (!changedHere)
        return Action::TakeIn;
    return Action::MoveMineAside;
}

const char *nameOf(Action action)
{
    switch (action) {
    case Action::Nothing: return "Nothing";
    case Action::Remember: return "Remember";
    case Action::Forget: return "Forget";
    case Action::Write: return "Write";
    case Action::TakeIn: return "TakeIn";
    case Action::TakeInDeletion: return "TakeInDeletion";
    case Action::Restore: return "Restore";
    case Action::MoveMineAside: return "MoveMineAside";
    case Action::KeepOlderApart: return "KeepOlderApart";
    case Action::LeaveAlone: return "LeaveAlone";
    }
    return "?";
}

} // namespace SyncRules
