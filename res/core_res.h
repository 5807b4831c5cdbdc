// Resource numbers of the strings the launcher core shows. Every module whose code shows
// them carries these strings (res/core_strings.rc) beside its own.
#pragma once

#define IDS_TAB_NAME 129
#define IDS_TAB_NOT_FOUND 132
#define IDS_COPY_OR_MOVE 134
#define IDS_CANNOT_OPEN_DROPPED 135
