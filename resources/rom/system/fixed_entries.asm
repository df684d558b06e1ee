; Entry points at fixed addresses from 006Eh to 05D9h. Short routines live
; between them; the others are jumps to their bodies.

; The device dispatcher behind 0013h, 001Bh and 0023h. A device control
; block starts with its type byte (bit 0 input, bit 1 output, bit 2
; control), followed by the address of its driver. The driver is called
; with IX = the DCB, A = C = the byte, B = the operation (1, 2 or 4); an
; input driver returns its byte in A. BC, DE, HL and IX are kept.
DEVOP_READ    EQU 1
DEVOP_WRITE   EQU 2
DEVOP_CONTROL EQU 4

DeviceIo:                   ; BC already pushed
  LD C,A
  PUSH HL
  PUSH IX
  PUSH DE
  POP IX
  LD A,(IX+0)
  AND B
  JR Z,DeviceRefused
  LD L,(IX+1)
  LD H,(IX+2)
  LD A,C
  CALL JumpHL
DeviceDone:
  POP IX
  POP HL
  POP BC
  RET
DeviceRefused:              ; the device cannot do this: nothing happens
  XOR A
  JR DeviceDone

JumpHL:
  JP (HL)

; Default handler of the maskable interrupt (vector 4012h). The cause
; latch at 37E0h is read, which clears it, as the hardware needs before
; the interrupt may be enabled again.
IntService:
  PUSH AF
  LD A,(INTLATCH)
  POP AF
  EI
  RET

