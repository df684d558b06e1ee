; The memory probe of cold start: where RAM ends, and the cells that
; follow from it. It lies in the second ROM at MEMPROBE (second_rom.inc),
; as the first has no room for it.
;
; RAM: MEMTOP, STRSPACE, STACKTOP, CMDSP.

; The 16K and 48K machines differ above 7FFFh: reads there return FFh on
; the small one. Probe one byte per 256-byte page from 8000h up.
; In: -. Out: HL = the start of string space. Keeps: BC.
  AT MEMPROBE
FindTopOfMemory:
  LD HL,8000h
ProbePage:
  LD A,(HL)
  CPL
  LD (HL),A
  CP (HL)
  CPL
  LD (HL),A
  JR NZ,ProbeDone
  INC H
  JR NZ,ProbePage
ProbeDone:
  DEC HL                    ; last byte that held what was written
  LD L,0FFh
  LD (MEMTOP),HL
  LD DE,STRINGSIZE - 1
  OR A
  SBC HL,DE
  LD (STRSPACE),HL
  LD (STACKTOP),HL
  LD (CMDSP),HL
  RET
