// Resource numbers of the tab-order and show/hide dialogs (included by plumage_res.h).
// Controls carry a prefix of their own per dialog; strings are IDS_ and unique across the library.
#pragma once

