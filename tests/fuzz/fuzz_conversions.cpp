// Every conversion of stored text: numbers, booleans, colours, dates and the reminder rule, in
// several locales, by the rules of conversionchecks.h.

#include "conversionchecks.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QTemporaryDir *storeDir = nullptr;
SettingsStore *store = nullptr;

// The store goes before the application it uses: handlers registered after the application was
// made run before it is destroyed.
void removeStore()
{
    delete store;
    delete storeDir;
}

[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "conversion fault: %s\n", qPrintable(what));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);   // the colours of system-colour numbers come from its palette
    storeDir = new QTemporaryDir;
    store = new SettingsStore;
    if (!store->open(storeDir->filePath(QStringLiteral("Quillarren.sqlite3"))).ok)
        fail(QStringLiteral("cannot open a store"));
    std::atexit(removeStore);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString fault = ConversionChecks::check(*store, data, size);
    if (!fault.isEmpty())
        fail(fault);
    // Thousands of writes a second leave the store's log no pause to be written back in: opening
    // the store again now and then does that, and keeps a long run's log small.
    static int inputs = 0;
    if (++inputs % 1000 == 0)
        store->open(store->path());
    return 0;
}
