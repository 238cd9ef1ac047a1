#pragma once

#include <QString>

class Backups;
class Dialogs;
class SettingsStore;

/** The store was damaged, kept aside as `keptAs`, and a new one started: offers the newest good
    backup and restores it into the store when the user says yes. */
void offerBackupAfterDamage(const Backups &backups, SettingsStore &store, Dialogs &dialogs, const QString &keptAs);
