#pragma once

#include "base/channel/channelprotocol.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The asking side of the one-instance channel: a later start, or a command line verb.
namespace ChannelClient {

/** Asks the copy that listens at `socketPath`; nothing when none answers within waitMs. Needs
    no application object and blocks the calling thread, so never call it on a thread that
    listens. `progress` hears what the running copy tells while it works. */
std::optional<ChannelProtocol::Reply> ask(const QString &socketPath, const QString &verb, const QStringList &args,
                                          int waitMs, const std::function<void(const QString &)> &progress = {});

} // namespace ChannelClient
