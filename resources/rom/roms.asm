; Quillor's built-in ROMs, assembled as one program: the system ROM at
; 0000h-2FFFh (system_rom.asm) and the second ROM at 3000h-37FFh
; (monitor_rom.asm), so that each calls the other's routines by name and
; the second ROM can hold parts of the system that the first has no room
; for. The build cuts the image in two.
;
; Assembled three times: SERIES=1 gives "ROM12K" and "ROM2K", SERIES=2
; "ROM2KS2" (and a system ROM that must equal ROM12K: the build checks
; it), SERIES=3 "ROM12KS3" and "ROM2KS3". The variants differ only in the
; banner and the monitor's greeting.

  INCLUDE "system_rom.asm"
  INCLUDE "monitor_rom.asm"
  END
