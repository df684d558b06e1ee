// Host keys are taken by where they sit on the keyboard, not by what the host
// layout would type. A key position is the PC keyboard's make-code numbering
// as Linux's input layer uses it (1 = Escape, 2 = the "1" key, 16 = the "Q"
// key, 26 = the key right of "P", ...), which is also the scan-code set-1
// numbering of the main block on Windows.
//
// The machine's keyboard takes Windows virtual-key codes. For each position we
// produce the code that the chosen host layout (English or Hungarian) sends
// from that key on Windows; the keyboard's own layout rule then turns the
// Hungarian codes back into the machine's keys, so both settings put every
// machine key at the same place, the place the keyboard help picture shows.
#pragma once

#include <cstdint>

class QKeyEvent;

namespace quillor {

enum class HostLayout { kEnglish, kHungarian };

// The virtual-key code the key at this position sends under the layout, or 0
// for a position we give no key.
int VirtualKeyAtPosition(int keyPosition, HostLayout layout);

// The key position of a native scan code of this build's window system, or 0
// when the event carries none (synthetic events, platforms we do not read).
int KeyPositionFromNativeScanCode(uint32_t nativeScanCode);

// A fallback for events without a scan code: the position at which a US
// keyboard carries the key Qt reports (a Qt::Key value), or 0.
int KeyPositionFromQtKey(int qtKey);

// The virtual-key code of a key event: by its scan code where it has one,
// else by the Qt key it reports.
int VirtualKeyOfEvent(const QKeyEvent& event, HostLayout layout);

}  // namespace quillor
