#pragma once

// For loops that run inside a message handler (an animation stepping with a
// short sleep): hands the messages waiting in the queue to the application's
// PreTranslateMessage and then to their windows, as the main loop would.
// False when the application is ending: the quit message is posted again for
// the main loop, and the caller should stop.
bool AfxPumpMessages();
