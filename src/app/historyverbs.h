#pragma once

#include "base/channel/singleinstance.h"

#include <QString>

class NoteHistory;
class SettingsStore;

// The command line's history verbs, answered on the store (no copy runs) or by the running copy
// through its channel: `--history ID` lists a note's versions, `--history ID --show N` prints one.
// ID is a note's id (a deleted note's too, while the trash keeps it) or its number, 1 for the
// first note; N counts from 1, the newest version.
namespace HistoryVerbs {

using Reply = SingleInstance::Reply;

/** One line a version, newest first: its number, time, size and first changed line. */
Reply list(const SettingsStore &store, const NoteHistory &history, const QString &note);
/** The text of version `number`, exactly as it was kept. */
Reply show(const SettingsStore &store, const NoteHistory &history, const QString &note, const QString &number);

/** An export of every note (`--export FILE --all`) with the notes' history added, from the
    running copy's history or one opened on the store's file; `said` tells when it is left out. */
QByteArray withHistory(const SettingsStore &store, const QByteArray &json, QString *said);

/** `--history ID`, or with `number` `--show N`: on the running copy's history, or without one on
    a history opened on the store's file for the answer. */
Reply answer(const SettingsStore &store, const NoteHistory *history, const QString &note, const QString &number);

} // namespace HistoryVerbs
