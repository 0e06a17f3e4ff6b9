#pragma once

namespace talvo::platform {

// The short click played when a number is marked on a board. Plays asynchronously;
// silent where the machine has no audio output.
void playClick();

} // namespace talvo::platform
