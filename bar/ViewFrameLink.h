// What the view's menus and dialogs ask of the main frame, kept in one object file like
// bar/FrameLink: the unit test program, which never has a frame, defines these itself.
#pragma once

// Automatic hiding stays off while a menu or dialog of the bar is open, and comes back per the
// style word with the idle clock restarted.
void PauseFrameAutoHide();
void ResumeFrameAutoHide();
