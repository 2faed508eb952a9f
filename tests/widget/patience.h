// How long the widget tests wait. Each wait is for an event (a window shown,
// a paint, a tick of a timer) that comes at once on a quiet machine; a
// 2-core machine at a load of 8 running the sanitized build was seen to need
// ten seconds for a whole test that takes a fraction of one when quiet. The
// bounds only decide how soon a real fault is reported, so they lie far
// above that.
#pragma once

namespace patience {

// The longest wait for one event.
inline constexpr int kWaitMs = 60000;

// A modal run still open after this is ended by the test's guard, so that a
// broken test fails instead of hanging: longer than the waits inside it.
inline constexpr int kGiveUpMs = 3 * kWaitMs;

}  // namespace patience
