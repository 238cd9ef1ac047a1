#pragma once

// The tables of the notes store, as this program makes them: one place for the store itself and
// for the fresh copies a restore is made into.

// Every value, by application, section and key.
#define STORE_SETTINGS_TABLE                                                                        \
    "CREATE TABLE IF NOT EXISTS settings("                                                          \
    " application TEXT NOT NULL, section TEXT NOT NULL, key TEXT NOT NULL, value TEXT,"             \
    " PRIMARY KEY(application, section, key))"
// Deleted notes, kept for a while: everything stored for each, as one JSON object.
#define STORE_TRASH_TABLE "CREATE TABLE IF NOT EXISTS trash(id TEXT PRIMARY KEY, deleted TEXT NOT NULL, note TEXT NOT NULL)"
// What this computer and the sync folder last agreed on, note by note.
#define STORE_SYNCED_TABLE "CREATE TABLE IF NOT EXISTS synced(id TEXT PRIMARY KEY, state TEXT NOT NULL)"
// Earlier texts of the notes, by note id and the millisecond they were kept.
#define STORE_HISTORY_TABLE                                                                         \
    "CREATE TABLE IF NOT EXISTS history("                                                           \
    " note TEXT NOT NULL, made INTEGER NOT NULL, text TEXT NOT NULL, PRIMARY KEY(note, made))"
// In a backup only: when it was made (ISO 8601, UTC) and whether the user asked for it.
#define STORE_BACKUP_TABLE "CREATE TABLE backup(made TEXT NOT NULL, asked INTEGER NOT NULL)"
