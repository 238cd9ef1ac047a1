#pragma once

// Letting the window system deliver what waits, where a step must see its effect first.
namespace EventWait {

/** Delivers what is pending, twice, as before unloading and ending. */
void deliverPendingTwice();
/** Waits without spinning, delivering events meanwhile. */
void pause(int milliseconds);

} // namespace EventWait
