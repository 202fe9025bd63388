#!/usr/bin/env python3
"""Generates core/model/partab_table.h, the 666 parameter definitions, from the rows below.

The rows are written per menu in table order; run again after any change and review the diff.
Usage: python3 tools/gen/gen_partab.py > core/model/partab_table.h
"""

MENU = {  # id by code
    "NAME": 10, "TRIM": 29, "PARA": 28, "TIMR": 3, "REVR": 12, "F/S": 22, "MULT": 27,
    "CHSW": 35, "FUNC": 21, "DIFF": 56, "PCrv": 157, "SBTr": 51, "NTRM": 66, "MxSW": 9,
    "MxTY": 13, "SWSH": 60, "ATV": 14, "AFR": 15, "D/R": 16, "PMX1": 40, "PMX2": 41,
    "PMX3": 42, "PMX4": 43, "PMX5": 44, "PMX6": 45, "MTRM": 50, "AILE": 76, "IDLE": 161,
    "PI->E": 165, "ELEV": 77, "RD->T": 174, "FLPR": 65, "ELVN": 59, "ACCE": 173,
    "ALVT": 172, "VTAL": 57, "SWMx": 69, "BFLP": 75, "SFLP": 175, "RUDD": 58, "FLMx": 275,
    "PHOV": 156, "THOV": 52, "PIT": 70, "ABRK": 61, "SNAP": 262, "SPTr": 74, "OFST": 159,
    "ETRM": 62, "TRM1": 162, "GYRO": 272, "TRM2": 63, "BUTm": 73, "BUTT": 72, "MxVR": 79,
    "TCrv": 54, "REVO": 261, "HVOF": 68, "HOLD": 256,
}

rows = []
cur = None


def menu(code):
    global cur
    cur = code


def R(addr, name, st, f, lo, hi, unit="", key=0, m2=None, order=-1, types=0, ver=7):
    rows.append(dict(addr=addr, key=key, name=name, unit=unit, menu=cur,
                     m2=m2, order=order, types=types, st=st, f=f, ver=ver, lo=lo, hi=hi))


def bit(b):
    return 6 + b


def CH(n):
    return f"$CHNAME{n}$-$CHNR{n}$"


V32, V31P, V31, V30 = 4, 6, 2, 1
P = "%"

menu("NAME")
R(0, "NAME", 16, 16, 0, 255, key=82)

menu("TRIM")
R(12, "RATE CROSS TRIMM", bit(4), 18, 0, 1, order=6)
R(12, "RATE TH_ATL", bit(5), 19, 0, 1, order=7)
R(73, "TRIM MEMORY SW", 0, 2, 0, 128, order=15, ver=V32)
R(113, "MODE", bit(1), 17, 0, 1, key=38, order=1, ver=V31P)
for i in range(4):
    R(302 + i, f"RATE F{i+1}", 0, 0, 0, 110, P, key=49 + i, order=2 + i)
for i in range(4):
    R(306 + 2 * i, f"TRIM MEMORY F{i+1}", 2, 20, -121, 121, P, key=53 + i,
      order=10 if i < 3 else 13)

menu("PARA")
R(12, "PCM/PPM", bit(7), 13, 0, 1)
R(13, "CH9 SWITCH", 0, 2, 0, 19)
R(14, "CH10 SWITCH", 0, 2, 0, 19)
R(108, "SPRACHE", 3, 46, 0, 2302233, key=78)

menu("TIMR")
R(15, "TIMER 2 MODE", 20, 41, 0, 4, order=12)
R(15, "TIMER 1 MODE", 23, 41, 0, 4, order=2)
R(16, "TIMER 1 P/C", bit(0), 42, 0, 1, order=5, ver=V32)
R(16, "TIMER 2 P/C", bit(1), 42, 0, 1, ver=V32)
R(42, "TIMER 1 ON SWITCH", 24, 2, 0, 64, order=3)
R(43, "TIMER 2 ON SWITCH", 24, 2, 0, 64, order=13)
R(44, "TIMER 1 TIME", 2, 40, -3599, 3599, "min:s", order=1)
R(46, "TIMER 2 TIME", 2, 40, -3599, 3599, "min:s", order=11)
R(74, "TIMER 1 OFF SWITCH", 0, 2, 0, 64, order=4)
R(75, "TIMER 2 OFF SWITCH", 0, 2, 0, 64, order=14)

menu("REVR")
R(18, f"DIRECTION {CH(9)}", bit(0), 14, 0, 1, order=9)
for n in range(1, 9):
    R(19, f"DIRECTION {CH(n)}", bit(n - 1), 14, 0, 1, order=n)

menu("F/S")
for n in range(1, 9):
    R(20, f"MODE {CH(n)}", bit(n - 1), 32, 0, 1, order=n)
R(21, "BATTERY MODE", 0, 36, 0, 255, order=17)
R(22, "THR/ABR POS", 2, 33, -108, 108, P, order=18)
for n in range(1, 9):
    R(24 + 2 * (n - 1), f"POSITION {CH(n)}", 2, 33, -108, 108, P, order=8 + n)

menu("MULT")
R(40, "MULTI 1", 17, 29, 4, 127)
R(41, "MULTI 2", 17, 29, 4, 127)

menu("CHSW")
# OFFSET SW: a signed byte under formula 22 shows only -21..123 %; a lower entry would wrap into
# a different percentage, so the editor stops at -21 rather than at -100.
OFS_MIN = -21
for s, sw in enumerate("EFGH"):
    R(48 + 2 * s, f"FUNCTION SW {sw}", 0, 21, 0, 128, order=10 * s + 2)
    R(49 + 2 * s, f"OFFSET SW {sw}", 1, 22, OFS_MIN, 100, P, order=10 * s + 3)
for i, sw in enumerate("IJKL"):
    R(66, f"MODE SW {sw}", bit(i), 23, 0, 1, order=10 * (4 + i) + 1, ver=V32)
for i, sw in enumerate("EFGH"):
    R(67, f"MODE SW {sw}", bit(4 + i), 23, 0, 1, order=10 * i + 1, ver=V32)
for i, sw in enumerate("IJKL"):
    R(292 + 2 * i, f"FUNCTION SW {sw}", 0, 21, 0, 128, order=10 * (4 + i) + 2)
    R(293 + 2 * i, f"OFFSET SW {sw}", 1, 22, OFS_MIN, 100, P, order=10 * (4 + i) + 3)

menu("FUNC")
for n in range(1, 9):
    R(76 + 4 * (n - 1), f"NAME {n}", 14, 16, 0, 1, key=69 + n)
R(113, "MODE", bit(0), 17, 0, 1, key=37, ver=V31P)
for formula, ver in ((12, V32), (5, V31), (5, V30)):
    for n in range(1, 9):
        R(119 + n, f"$CHNAME{n}$ SOURCE CH{n}", 0, formula, 0, 147, key=40 + n, ver=ver)

menu("DIFF")
R(112, "2nd $CHNAME1$", 21, 37, 5, 7)
R(334, "ON/OFF", bit(3), 25, 0, 1, key=67)
R(388, "$CHNAME1$ LEFT", 5, 0, -100, 100, P, key=23)
R(389, "$CHNAME1$ RIGHT", 5, 0, -100, 100, P, key=24)
R(390, "$CHNAME1$2 LEFT", 5, 0, -100, 100, P, key=25)
R(391, "$CHNAME1$2 RIGHT", 5, 0, -100, 100, P, key=26)
R(412, "1st $CHNAME2$", 5, 0, -100, 100, P, types=16)
R(413, "2nd $CHNAME2$", 5, 0, -100, 100, P, types=16)

menu("PCrv")
R(112, "2nd PIT", bit(6), 48, 0, 1, order=1)
for i in range(9):
    R(422 + i, f"POINT {i+1}", 4, 22, 0, 100, P, key=153 + i, order=2 + i)
R(432, "HI", 0, 0, 0, 110, P, key=162, order=11)
R(433, "LO", 0, 0, 0, 110, P, key=163, order=12)

menu("SBTr")
R(113, "MODE", bit(2), 17, 0, 1, key=39, ver=V31P)
for n in range(1, 9):
    R(377 + n, f"RATE $CHNAME{n}$", 1, 0, -125, 125, P, key=56 + n)

menu("NTRM")
R(113, "MODE", bit(3), 17, 0, 1, key=40, ver=V31P)
R(336, "$CHNAME5$ ON/OFF", bit(4), 25, 0, 1, key=65)
R(336, "$CHNAME1$ ON/OFF", bit(5), 25, 0, 1, key=66)

menu("MxSW")
for i in range(4):
    R(114 + i, f"$FLIGHT{i+1}$", 0, 15, 0, 128, key=83 + i, m2="MxTY", order=1 + i)


def SW(addr, name, types, m2=None, order=-1):
    R(addr, name, 0, 2, 0, 128, types=types, m2=m2, order=order)


SW(338, "$CHNAME1$->$CHNAME4$", 30, "AILE", 5)
SW(338, "INVERT", 992)
SW(339, "BACKFLIGHT", 992)
SW(340, "$CHNAME2$->FLR", 18, "ELEV", 7)
SW(340, "$CHNAME2$->$CHNAME5$", 4, "ELEV", 7)
SW(340, "$CHNAME2$->$CHNAME8$", 8, "ELEV", 7)
SW(341, "FLR->$CHNAME2$", 18, "FLPR", 6)
SW(341, "$CHNAME5$->$CHNAME2$", 4, "SFLP", 6)
SW(341, "$CHNAME8$->$CHNAME2$", 8, "BFLP", 6)
SW(342, "BUTTERFLY", 12, "BUTT", 11)
SW(342, "$CHNAME4$->$CHNAME1$", 16, "RUDD", 9)
SW(343, "$CHNAME3$->$CHNAME2$", 14, "ABRK", 8)
SW(343, "PIT MIX", 16, "PIT", 8)
SW(344, "BUT->$CHNAME2$", 12, "BUTm", 12)
SW(344, "IDLE 1", 16, "IDLE", 11)
SW(345, "IDLE 2", 16, "IDLE", 12)
SW(346, "EL-TRIM 1", 10, "ETRM", 9)
SW(346, "SNP 1", 16, "SNAP", 13)
SW(346, "TRIM 1", 4, "TRM1", 9)
SW(347, "EL-TRIM 2", 10, "ETRM", 10)
SW(347, "SNP 2", 16, "SNAP", 14)
SW(347, "TRIM 2", 4, "TRM2", 10)
SW(348, "SNP 3", 16, "SNAP", 15)
SW(349, "SNP 4", 16, "SNAP", 16)
SW(350, "$CHNAME4$->$CHNAME2$", 16, "RUDD", 10)

menu("MxTY")
R(118, "MODELLTYP", 0, 7, 0, 3, key=80)
R(119, "SERVOTYP", 0, 8, 0, 2, key=79, types=14)
R(463, "NAME NORMAL", 15, 16, 0, 125, key=87, ver=V32)
for i in range(4):
    R(813 + 350 * i, f"NAME FLIGHT{i+1}", 15, 16, 0, 125, key=88 + i, ver=V32)

menu("SWSH")
R(119, "HELITYP", 0, 9, 0, 4, key=81, m2="MxTY", types=992)
R(394, "$CHNAME6$", 5, 0, -100, 100, P, types=960)
R(395, "$CHNAME1$", 5, 0, -100, 100, P, types=960)
R(396, "$CHNAME2$", 5, 0, -100, 100, P, types=896)

menu("ATV")
for n in range(1, 9):
    R(127 + n, f"{CH(n)} DELAY CONDITION", 0, 0, 0, 100, P, order=10 * (n - 1) + 4)
for n in range(1, 9):
    R(135 + n, f"{CH(n)} DELAY CHANNEL", 0, 0, 0, 100, P, order=10 * (n - 1) + 3)
for n in range(1, 9):
    c = 10 * (n - 1)
    R(144 + 2 * (n - 1), f"{CH(n)} RATE RIGHT/UP", 5, 0, -110, 110, P, key=92, order=c + 2)
    R(145 + 2 * (n - 1), f"{CH(n)} RATE LEFT/DOWN", 5, 0, -110, 110, P, key=93, order=c + 1)
for n in range(1, 9):
    c = 10 * (n - 1)
    R(160 + 2 * (n - 1), f"{CH(n)} LIMIT RIGHT/UP", 0, 0, 0, 110, P, key=94, order=c + 8)
    R(161 + 2 * (n - 1), f"{CH(n)} LIMIT LEFT/DOWN", 0, 0, 0, 110, P, key=95, order=c + 7)
for n in range(1, 9):
    R(175 + n, f"{CH(n)} CENTER", 4, 0, -110, 110, P, key=96, order=10 * (n - 1) + 5)
for n in range(1, 9):
    R(184, f"{CH(n)} MODE", bit(n - 1), 10, 0, 1, key=97, order=10 * (n - 1) + 6)

menu("AFR")
for n in range(1, 9):
    R(186, f"{CH(n)} TYPE", 25 + n, 11, 0, 256, key=102, order=10 * (n - 1) + 3)
for n in range(1, 9):
    c = 10 * (n - 1)
    R(188 + 2 * (n - 1), f"{CH(n)} RATE1 RIGHT/UP", 0, 0, 0, 110, P, key=98, order=c + 2)
    R(189 + 2 * (n - 1), f"{CH(n)} RATE1 LEFT/DOWN", 0, 0, 0, 110, P, key=99, order=c + 1)
for n in range(1, 9):
    c = 10 * (n - 1)
    R(204 + 2 * (n - 1), f"{CH(n)} RATE2 RIGHT/UP", 5, 0, -100, 100, P, key=100, order=c + 5)
    R(205 + 2 * (n - 1), f"{CH(n)} RATE2 LEFT/DOWN", 5, 0, -100, 100, P, key=101, order=c + 4)

menu("D/R")
for k in range(1, 4):
    b = 220 + 6 * (k - 1)
    kk = 103 + 10 * (k - 1)
    c = 10 * (k - 1)
    d = f"D/R{k}"
    R(b, f"{d} CH", 20, 34, 0, 128, key=kk, order=c + 2)
    R(b, f"{d} TYPE", 19, 35, 0, 3, key=kk + 5, order=c + 6)
    R(b, f"{d} ON/OFF", bit(7), 25, 0, 1, order=c + 1)
    R(b + 1, f"{d} SWITCH", 0, 2, 0, 51, order=c + 3)
    R(b + 2, f"{d} RATE1 RIGHT/UP", 5, 0, 0, 110, P, key=kk + 1, order=c + 5)
    R(b + 3, f"{d} RATE1 LEFT/DOWN", 5, 0, 0, 110, P, key=kk + 2, order=c + 4)
    R(b + 4, f"{d} RATE2 RIGHT/UP", 5, 0, -100, 100, P, key=kk + 3, order=c + 8)
    R(b + 5, f"{d} RATE2 LEFT/DOWN", 5, 0, -100, 100, P, key=kk + 4, order=c + 7)

for m, b in enumerate((238, 246, 254, 262, 270, 278)):
    menu(f"PMX{m+1}")
    R(b, "SLAVE FUNCTION", 20, 24, 0, 7, order=7)
    R(b, "MASTER FUNCTION", 18, 24, 0, 7, key=129 if m == 0 else 0, order=4)
    R(b, "MASTER SOURCE", bit(6), 28, 0, 1, order=6)
    R(b, "MIX ON/OFF", bit(7), 25, 0, 1, order=1)
    if m == 0:
        R(b + 1, "MIX TYPE", bit(0), 26, 0, 1, order=2)
    R(b + 1, "MIX MODE", bit(4), 27, 0, 1, order=3, ver=V32)
    R(b + 1, "Y", bit(5), 30, 0, 1, order=8)
    R(b + 1, "X", bit(6), 44, 0, 1, order=5)
    R(b + 1, "TRIM", bit(7), 45, 0, 1, order=14)
    R(b + 2, "RATE RIGHT/UP", 5, 0, 0, 100, P, order=11)
    R(b + 3, "RATE LEFT/DOWN", 5, 0, 0, 100, P, order=10)
    R(b + 4, "OFFSET", 2, 31, -110, 110, P, order=15)
    R(b + 6, "DELAY EIN", 0, 0, 0, 100, P, order=12)
    R(b + 7, "DELAY AUS", 0, 0, 0, 100, P, order=13)
for m in range(6):
    menu(f"PMX{m+1}")
    R(286 + m, "SWITCH", 0, 2, 0, 52, order=9)
menu("PMX1")
for i in range(9):
    R(324 + i, f"POINT {i+1}", 4, 22, 0, 100, P, key=130 + i, ver=V32)

menu("MTRM")
for i in range(8):
    R(314 + i, f"TRIM RATE {i+1}", 0, 0, 10, 100, P)
for i in range(8):
    R(323, f"TRIM MODE {i+1}", bit(i), 3, 0, 1)


def ONOFF(addr, b, name="ON/OFF", key=0, types=0, order=-1, ver=7):
    R(addr, name, bit(b), 25, 0, 1, key=key, types=types, order=order, ver=ver)


def MIX(addr, name, key=0, types=0):  # storage 5 mixing rate, -100..100 %
    R(addr, name, 5, 0, -100, 100, P, key=key, types=types)


menu("AILE")
ONOFF(334, 0, "$CHNAME1$->$CHNAME5$ ON/OFF", types=12)
ONOFF(335, 0, "$CHNAME1$->$CHNAME4$ ON/OFF")
MIX(386, "$CHNAME1$->$CHNAME4$ LEFT")
MIX(387, "$CHNAME1$->$CHNAME4$ RIGHT")
MIX(422, "$CHNAME1$->$CHNAME5$ 1stLEFT", types=12)
MIX(423, "$CHNAME1$->$CHNAME5$ 1stRIGHT", types=12)
MIX(424, "$CHNAME1$->$CHNAME5$ 2ndLEFT", types=12)
MIX(425, "$CHNAME1$->$CHNAME5$ 2ndRIGHT", types=12)

menu("IDLE")
ONOFF(334, 0, "IDLE1 ON/OFF")
ONOFF(334, 1, "IDLE2 ON/OFF")
R(402, "IDLE1 RATE", 1, 0, -100, 100, P)
R(403, "IDLE1 DELAY", 1, 0, 0, 100, P)
R(404, "IDLE2 RATE", 1, 0, -100, 100, P)
R(405, "IDLE2 DELAY", 1, 0, 0, 100, P)

menu("PI->E")
ONOFF(334, 1)
MIX(452, "UP")
MIX(453, "DOWN")

menu("ELEV")
ONOFF(334, 2, "$CHNAME2$->FLAPR ON/OFF", types=18)
ONOFF(334, 2, "$CHNAME2$->$CHNAME5$ ON/OFF", types=4)
MIX(396, "$CHNAME2$->FLAPR DOWN", types=18)
MIX(396, "$CHNAME2$->$CHNAME5$ DOWN", types=12)
MIX(397, "$CHNAME2$->FLAPR UP", types=18)
MIX(397, "$CHNAME2$->$CHNAME5$ UP", types=12)

menu("RD->T")
ONOFF(334, 2)
R(386, "LEFT", 1, 0, 0, 100, P)
R(387, "RIGHT", 1, 0, 0, 100, P)

menu("FLPR")
ONOFF(334, 4, "FLAPERON ON/OFF", key=68)
MIX(388, "$CHNAME1$ LEFT", key=19)
MIX(389, "$CHNAME1$ RIGHT", key=20)
MIX(390, "2nd$CHNAME1$ LEFT", key=21)
MIX(391, "2nd$CHNAME1$ RIGHT", key=22)
R(439, "TRIM", 5, 0, 0, 100, P)
MIX(440, "2ndAUX")
MIX(441, "AUX")
R(442, "OFFSET", 2, 31, -110, 110, P)

menu("ELVN")
ONOFF(334, 5, key=69)
MIX(388, "$CHNAME1$ LEFT", key=27)
MIX(389, "$CHNAME1$ RIGHT", key=28)
MIX(390, "$CHNAME1$2 LEFT", key=29)
MIX(391, "$CHNAME1$2 RIGHT", key=30)
MIX(412, "1st $CHNAME2$", types=16)
MIX(413, "2nd $CHNAME2$", types=16)

menu("ACCE")
ONOFF(334, 5)
R(392, "RATE", 1, 0, 0, 100, P)
R(393, "DELAY", 1, 0, 0, 100, P)

menu("ALVT")
ONOFF(334, 6)
MIX(420, "$CHNAME1$ 3rdLEFT", key=31)
MIX(421, "$CHNAME1$ 3rdRIGHT", key=32)
MIX(422, "$CHNAME1$ 4rdLEFT", key=33)
MIX(423, "$CHNAME1$ 4rdRIGHT", key=34)
MIX(424, "$CHNAME2$ 1st")
MIX(425, "$CHNAME2$ 2nd")

menu("VTAL")
ONOFF(334, 7, "V-TAIL ON/OFF")
MIX(392, "$CHNAME2$")
MIX(393, "2nd$CHNAME2$")
MIX(394, "2nd$CHNAME4$")
MIX(395, "$CHNAME4$")

menu("SWMx")
ONOFF(335, 0, "SWASH $CHNAME4$", order=2, ver=V31P)
ONOFF(335, 1, "SWASH $CHNAME3$", order=4)
R(388, "SWASH $CHNAME3$ RATE", 1, 0, 0, 100, P, order=5)
R(389, "SWASH ROT", 1, 0, -100, 100, P, order=1)
R(456, "SWASH $CHNAME4$ RATE", 1, 0, 0, 100, P, order=3, ver=V31P)


def TOWARDS2(addr, name, key):  # DOWN/UP towards channel 2: offset byte
    R(addr, name, 22, 0, -100, 100, P, key=key)


def OFS33(addr, name):
    R(addr, name, 2, 33, -110, 110, P)


menu("BFLP")
ONOFF(335, 1, "$CHNAME8$->$CHNAME1$ ON/OFF")
ONOFF(335, 2, "$CHNAME8$->$CHNAME2$ ON/OFF")
ONOFF(335, 3, "$CHNAME8$->$CHNAME5$ ON/OFF")
TOWARDS2(398, "$CHNAME8$->$CHNAME2$ DOWN", 3)
TOWARDS2(399, "$CHNAME8$->$CHNAME2$ UP", 6)
OFS33(400, "$CHNAME8$->$CHNAME2$ OFFSET")
MIX(418, "$CHNAME8$->$CHNAME1$ DOWN", key=8)
MIX(419, "$CHNAME8$->$CHNAME1$ UP", key=10)
MIX(420, "$CHNAME8$->$CHNAME5$ DOWN", key=35)
MIX(421, "$CHNAME8$->$CHNAME5$ UP", key=36)

menu("SFLP")
ONOFF(335, 1, "$CHNAME5$->$CHNAME1$ ON/OFF")
ONOFF(335, 2, "$CHNAME5$->$CHNAME2$ ON/OFF")
TOWARDS2(398, "$CHNAME5$->$CHNAME2$ DOWN", 2)
TOWARDS2(399, "$CHNAME5$->$CHNAME2$ UP", 5)
OFS33(400, "$CHNAME5$->$CHNAME2$ OFFSET")
MIX(418, "$CHNAME5$->$CHNAME1$ DOWN", key=7)
MIX(419, "$CHNAME5$->$CHNAME1$ UP", key=9)

menu("RUDD")
ONOFF(335, 1, "$CHNAME4$->$CHNAME1$ ON/OFF")
ONOFF(336, 7, "$CHNAME1$->$CHNAME2$ ON/OFF")
MIX(410, "$CHNAME4$->$CHNAME1$ LEFT")
MIX(411, "$CHNAME4$->$CHNAME1$ RIGHT")
MIX(444, "$CHNAME4$->$CHNAME2$ LEFT")
MIX(445, "$CHNAME4$->$CHNAME2$ RIGHT")

menu("FLMx")
ONOFF(335, 2, "FLPRN->$CHNAME2$ ON/OFF")
TOWARDS2(398, "FLPRN->$CHNAME2$ DOWN", 1)
TOWARDS2(399, "FLPRN->$CHNAME2$ UP", 4)
OFS33(400, "FLPRN->$CHNAME2$ OFFSET")

menu("PHOV")
ONOFF(335, 2, "TRIM", order=4)
ONOFF(335, 4, "HOVER", order=1)
R(434, "RATE", 1, 0, -100, 100, P, key=165, order=2)
R(435, "RANGE", 1, 0, 0, 100, P, key=164, order=3)

menu("THOV")
ONOFF(335, 3, "HOVER")
R(420, "RATE", 1, 0, -100, 100, P, key=178)
R(421, "RANGE", 5, 0, 0, 100, P, key=177)

menu("PIT")
ONOFF(335, 3)
R(414, "IDLE TRIM", 5, 0, 0, 100, P)
R(415, "AUX TRIM", 5, 0, 0, 100, P)
R(416, "IDLE DELAY", 5, 0, 0, 100, P)
R(417, "AUX DELAY", 5, 0, 0, 100, P)
R(418, "OFFSET", 2, 31, 0, 100, P)

menu("ABRK")
ONOFF(335, 4, "$CHNAME3$->$CHNAME2$ ON/OFF")
MIX(414, "$CHNAME3$->$CHNAME2$ HI", key=11)
MIX(415, "$CHNAME3$->$CHNAME2$ LO", key=12)
OFS33(416, "$CHNAME3$->$CHNAME2$ OFFSET")

menu("SNAP")
for i in range(4):
    ONOFF(335, 4 + i, f"SNAP {i+1} ON/OFF")
for base, ch in ((427, 1), (431, 2), (435, 4)):
    for i in range(4):
        R(base + i, f"SNAP {i+1} $CHNAME{ch}$", 1, 0, -110, 110, P)

menu("SPTr")
ONOFF(335, 5)
R(438, "RATE", 1, 0, -100, 100, P)

menu("OFST")
ONOFF(335, 5, order=1)
R(402, "$CHNAME1$", 1, 0, -100, 100, P, order=2)
R(403, "$CHNAME2$", 1, 0, -100, 100, P, order=4)
R(404, "$CHNAME4$", 1, 0, -100, 100, P, order=6)
R(405, "$CHNAME1$ TRIM", bit(7), 45, 0, 1, order=3)
R(406, "$CHNAME2$ TRIM", bit(7), 45, 0, 1, order=5)
R(407, "$CHNAME4$ TRIM", bit(7), 45, 0, 1, order=7)

menu("ETRM")
ONOFF(335, 6)
ONOFF(335, 7)
R(426, "DELAY 1", 1, 0, 0, 100, P)
R(427, "OFFSET 1", 1, 0, 0, 100, P)
R(432, "DELAY 2", 1, 0, 0, 100, P)
R(433, "OFFSET 2", 1, 0, 0, 100, P)


def TRM(onbit, base):
    ONOFF(335, onbit)
    R(base, "DELAY", 1, 0, 0, 100, P)
    for i, nm in enumerate(("1st $CHNAME1$", "2nd $CHNAME1$", "1st $CHNAME5$",
                            "2nd $CHNAME5$", "$CHNAME2$")):
        R(base + 1 + i, nm, 1, 0, -100, 100, P)


menu("TRM1")
TRM(6, 426)

menu("GYRO")
ONOFF(335, 6)
R(390, "POSI", 1, 0, 0, 100, P, key=179)
R(391, "EXP", 1, 0, -100, 100, P, key=180)

menu("TRM2")
TRM(7, 432)

menu("BUTm")
ONOFF(336, 6)
MIX(408, "DOWN", key=17)
MIX(409, "UP", key=18)
OFS33(410, "OFFSET")

menu("BUTT")
ONOFF(336, 7)
MIX(402, "$CHNAME1$ DOWN", key=13)
MIX(403, "$CHNAME1$ UP", key=14)
MIX(404, "$CHNAME5$ DOWN", key=15)
MIX(405, "$CHNAME5$ UP", key=16)
OFS33(406, "OFFSET")

menu("MxVR")


def VR(addr, name, types, m2=None, order=-1):
    R(addr, name, 0, 43, 0, 32, types=types, m2=m2, order=order)


VR(354, "$CHNAME1$->$CHNAME4$", 30, "AILE", 1)
VR(354, "REVO UP", 992, None, 1)
VR(355, "FLR->$CHNAME2$", 18, "FLPR", 3)
VR(355, "$CHNAME8$->$CHNAME2$", 8, "BFLP", 3)
VR(355, "$CHNAME5$->$CHNAME2$", 4, "SFLP", 3)
VR(355, "REVO DN", 992, None, 2)
VR(356, "$CHNAME2$->FLR", 18, "ELEV", 4)
VR(356, "$CHNAME2$->$CHNAME8$", 8, "ELEV", 4)
VR(356, "$CHNAME2$->$CHNAME5$", 4, "ELEV", 4)
VR(356, "PIT-HOV", 992, None, 3)
VR(357, "$CHNAME3$->$CHNAME2$", 14, "ABRK", 6)
VR(357, "$CHNAME4$->$CHNAME1$", 16, "RUDD", 6)
VR(357, "THR-HOV", 992, None, 4)
VR(358, "EL-TRIM 1", 10, "ETRM", 8)
VR(358, "TRIM 1", 4, "TRM1", 8)
VR(358, "IDLE 1", 16, "IDLE", 8)
VR(358, "PIT HI", 992, None, 6)
VR(359, "EL-TRIM 2", 10, "ETRM", 9)
VR(359, "TRIM 2", 4, "TRM2", 9)
VR(359, "IDLE 2", 16, "IDLE", 9)
VR(359, "PIT LO", 992, None, 7)
VR(360, "$CHNAME1$-DIFF", 30, "DIFF", 2)
VR(361, "$CHNAME5$-TRIM", 12, "SFLP", 7)
VR(362, "NTRIM $CHNAME1$ LEFT", 4, None, 12)
VR(362, "SNP $CHNAME1$", 16, "SNAP", 13)
VR(363, "NTRIM $CHNAME1$ RIGHT", 4, None, 13)
VR(363, "SNP $CHNAME2$", 16, "SNAP", 14)
VR(363, "SWH ROT", 992, None, 5)
VR(364, "NTRIM $CHNAME5$ LEFT", 4, None, 14)
VR(364, "SNP $CHNAME4$", 16, "SNAP", 15)
VR(364, "$CHNAME4$->$CHNAME3$", 992, None, 9)
VR(365, "NTRIM $CHNAME5$ RIGHT", 4, None, 15)
VR(365, "AILVATOR", 16, "ALVT", 11)
VR(365, "INV-TRM", 992, None, 12)
VR(366, "FLAPERON", 2, "FLPR", 7)
VR(366, "FLAPERON", 16, "FLPR", 7)
VR(366, "BUTTERFLY", 12, "BUTT", 10)
VR(366, "SWH->$CHNAME3$", 992, None, 10)
VR(367, "BUT->$CHNAME2$", 12, "BUTm", 11)
VR(367, "$CHNAME4$->$CHNAME2$", 16, "RUDD", 12)
VR(367, "PIT->$CHNAME2$", 992, None, 11)
VR(368, "ELEVON", 16, "ELEV", 10)
VR(369, "V-TAIL", 30, "VTAL", 5)
VR(369, "$CHNAME3$ LO", 992, None, 8)
VR(370, "PIT->IDL", 16, None, 16)
VR(370, "OFS $CHNAME1$", 992, None, 13)
VR(371, "PIT->PIT", 16, None, 17)
VR(371, "OFS $CHNAME2$", 992, None, 14)
VR(372, "OFS $CHNAME4$", 992, None, 15)

menu("TCrv")
for i in range(9):
    R(408 + i, f"POINT {i+1}", 4, 22, 0, 100, P, key=166 + i)
R(418, "HI", 5, 0, 0, 110, P, key=175)
R(419, "LO", 5, 0, 0, 110, P, key=176)

menu("REVO")
for i in range(9):
    R(438 + i, f"POINT {i+1}", 4, 22, 0, 100, P, key=139 + i, order=2 + i)
# A single bit holds EXP1 and EXP2 only: offering "VTR" (256) would store EXP1.
R(447, "MODE", bit(7), 11, 0, 1, key=152, order=13)
R(448, "RATE UP", 34, 0, 0, 100, P, key=148, order=12)
R(448, "ROTOR", 33, 47, 0, 65535, order=1)
R(449, "RATE DOWN", 34, 0, 0, 100, P, key=149, order=11)
R(454, "EXP UP", 5, 0, -100, 100, P, key=150, order=15)
R(455, "EXP DOWN", 5, 0, -100, 100, P, key=151, order=14)

menu("HVOF")
R(451, "RATE", 4, 4, -30, 30, P)

menu("HOLD")
R(1797, "TRIM", bit(6), 25, 0, 1, order=4)
R(1797, "MODE", bit(7), 49, 0, 1, order=3)
R(1798, "POSITION", 1, 0, -100, 100, P, order=2)

assert len(rows) == 666, len(rows)


def cstr(s):
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"') + '"'


print("// Generated by tools/gen/gen_partab.py: edit the generator, not this file.")
print("#pragma once")
print()
print('#include "core/model/partab.h"')
print()
print("namespace core {")
print()
print("/// The 666 parameter definitions in table order; row k of ParamDef is kParamTable[k - 1].")
print("// clang-format off")
print("// address, key, name, unit, menu, second menu, order, model types, storage, formula,")
print("// versions, minimum, maximum")
print("inline constexpr MemApplMapTyp kParamTable[] = {")
last = None
for i, r in enumerate(rows, 1):
    if r["menu"] != last:
        print(f"    // {r['menu']} ({MENU[r['menu']]})")
        last = r["menu"]
    m2 = MENU[r["m2"]] if r["m2"] else 0
    print(f"    {{{r['addr']}, {r['key']}, {cstr(r['name'])}, {cstr(r['unit'])}, "
          f"{MENU[r['menu']]}, {m2}, {r['order']}, {r['types']}, {r['st']}, {r['f']}, "
          f"{r['ver']}, {r['lo']}, {r['hi']}}},  // {i}")
print("};")
print("// clang-format on")
print()
print("static_assert(sizeof(kParamTable) / sizeof(kParamTable[0]) == kParamCount);")
print()
print("}  // namespace core")
