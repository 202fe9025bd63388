#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/record.h"

// The transmitter's 66 menus: which menu a parameter belongs to, for which model types and in
// which main tab it is offered, and how its title reads. The table and FindMenu are constant
// expressions so that the parameter model can use them without linking the editor.

namespace core {

/// One transmitter menu.
struct MdlMenuTyp {
  std::uint16_t Id;                 // named by the parameter definitions' menu fields
  const char* Code;                 // as the transmitter shows it; the tab caption
  const char* EnglishName;          // in the title and, in capitals, in full parameter names
  const char* Description;          // German, in the title
  std::uint8_t PerFlightCondition;  // 1: one grid column per flight condition
  std::uint8_t PerChannel;          // 1: one column group per servo channel
  std::uint16_t TypeMask;           // model type bits 0..9; bit 10 or 11: a system menu
};

inline constexpr int kMenuCount = 66;
inline constexpr int kMenuIdName = 10;  // NAME: edited in the window's name field, never a tab

// clang-format off
inline constexpr MdlMenuTyp kMenuTable[] = {
    // Id, Code, English name, German description, per condition, per channel, type mask
    {2, "TACO", "Tachometer", "Drehzahlmesser", 0, 0, 0x400},  // 1 System
    {3, "TIMR", "Timer", "Stoppuhr", 0, 0, 0x400},  // 2 System
    {4, "TRAN", "Transmission", "Datentransfer", 0, 0, 0x800},  // 3 System
    {5, "SERV", "Servo Monitor", "Servoweganzeige", 1, 1, 0x800},  // 4 System
    {14, "ATV", "ATV", "Servowegeinstellung", 1, 1, 0x800},  // 5 System
    {15, "AFR", "AFR", "Steuergeberwegeinstellung", 1, 1, 0x800},  // 6 System
    {16, "D/R", "Dual Rate", "zuschaltbare Steuergeberwegeinstellung", 1, 0, 0x800},  // 7 System
    {40, "PMX1", "Programmable Mix 1", "1. frei programmierbarer Mischer bzw. Kurvenmischer", 1, 0, 0x800},  // 8 System
    {41, "PMX2", "Programmable Mix 2", "2. frei programmierbarer Mischer", 1, 0, 0x800},  // 9 System
    {42, "PMX3", "Programmable Mix 3", "3. frei programmierbarer Mischer", 1, 0, 0x800},  // 10 System
    {43, "PMX4", "Programmable Mix 4", "4. frei programmierbarer Mischer", 1, 0, 0x800},  // 11 System
    {44, "PMX5", "Programmable Mix 5", "5. frei programmierbarer Mischer", 1, 0, 0x800},  // 12 System
    {45, "PMX6", "Programmable Mix 6", "6. frei programmierbarer Mischer", 1, 0, 0x800},  // 13 System
    {12, "REVR", "Servo Reverse", "Servowegumpolung", 0, 1, 0x800},  // 14 System
    {29, "TRIM", "Trim", "Einstellung der Trimmung", 1, 0, 0x800},  // 15 System
    {11, "MODL", "Model Select", "Modellspeicherauswahl und -umschaltung", 0, 0, 0x800},  // 16 System
    {22, "F/S", "Fail Safe", "Fail Safe Modi und Positionen", 0, 1, 0x800},  // 17 System
    {28, "PARA", "Parameter", "Grundeinstellungen", 0, 0, 0x800},  // 18 System
    {21, "FUNC", "Function Change", "Steuergeberzuordnung", 1, 0, 0x800},  // 19 System
    {32, "RSET", "Reset", "Daten löschen/rücksetzen", 0, 0, 0x800},  // 20 System
    {10, "NAME", "Model Name", "Eingabe von Modellname, Benutzercode und Benutzername", 0, 0, 0x800},  // 21 never offered as a tab
    {35, "CHSW", "Channel Switch", "Kanalschalter", 1, 0, 0x800},  // 22 System
    {37, "TRAI", "Trainer", "Einstellung Lehrer-Schüler-Betrieb", 0, 0, 0x800},  // 23 System
    {27, "MULT", "Multi Switch", "Kanalwahl für Multi-Switch- bzw. Multi-Prop-Modul", 0, 0, 0x800},  // 24 System
    {51, "SBTr", "Sub Trimm", "Servomittenverstellung", 1, 0, 0x3FE},  // 25 SMIX: all but STANDARD
    {261, "REVO", "Rudder Evolution", "Statischer Heckrotorausgleich", 1, 0, 0x3E0},  // 26 SMIX: all HELI
    {157, "PCrv", "Pitch Curve", "Kennlinie für Pitchvorsteuerung", 1, 0, 0x3E0},  // 27 SMIX: all HELI
    {156, "PHOV", "Hovering Pitch", "Pitchvorsteuerung für Schwebeflug", 1, 0, 0x3E0},  // 28 SMIX: all HELI
    {54, "TCrv", "Throttle Curve", "Kennlinie für Gasvorsteuerung", 1, 0, 0x3E0},  // 29 SMIX: all HELI
    {52, "THOV", "Hovering Throttle", "Gasvorsteuerung für Schwebeflug", 1, 0, 0x3E0},  // 30 SMIX: all HELI
    {256, "HOLD", "Hold", "Autorotation", 0, 0, 0x3E0},  // 31 SMIX: all HELI
    {159, "OFST", "Roll Nick Offset", "Offset für Roll, Nick und Gier", 1, 0, 0x3E0},  // 32 SMIX: all HELI
    {69, "SWMx", "Swash Mix", "Taumelscheibenmischer", 1, 0, 0x3E0},  // 33 SMIX: all HELI
    {173, "ACCE", "Acceleration Rudder", "Dynamischer Heckrotorausgleich", 1, 0, 0x3E0},  // 34 SMIX: all HELI
    {174, "RD->T", "Rudder->Throttle Mix", "Heckrotor->Gas-Mischer", 1, 0, 0x3E0},  // 35 SMIX: all HELI
    {60, "SWSH", "Swash", "Auswahl Taumelscheibentyp", 0, 0, 0x3E0},  // 36 SMIX: all HELI
    {272, "GYRO", "Gyro Mix", "Kreiselausblendung", 1, 0, 0x3E0},  // 37 SMIX: all HELI
    {68, "HVOF", "Hovering Offset", "Offset auf Knüppelstellungen im Schwebeflug", 1, 0, 0x3E0},  // 38 SMIX: all HELI
    {165, "PI->E", "Pitch->Nick-Mix", "Pitch->Nick-Mischer", 1, 0, 0x3E0},  // 39 SMIX: all HELI
    {56, "DIFF", "Aileron Differential", "Querruderdifferenzierung", 1, 0, 0x01E},  // 40 SMIX: all GLIDER, ACRO
    {57, "VTAL", "V-Tail Mix", "V-Leitwerk", 1, 0, 0x01E},  // 41 SMIX: all GLIDER, ACRO
    {65, "FLPR", "Flapron", "Kombinierte Querruder-Wölbklappen", 1, 0, 0x012},  // 42 SMIX: GLIDER 2 SERVOS, ACRO
    {59, "ELVN", "Elevon Mix", "Delta-Mischer, kombiniertes Quer-/Höhenruder", 1, 0, 0x010},  // 43 SMIX: ACRO
    {162, "TRM1", "Trim 1", "Schaltbare Höhenruder-, Querruder- und Wölbklappentrimmung", 1, 0, 0x004},  // 44 SMIX: GLIDER 4 SERVOS
    {63, "TRM2", "Trim 2", "Schaltbare Höhenruder-, Querruder- und Wölbklappentrimmung", 1, 0, 0x004},  // 45 SMIX: GLIDER 4 SERVOS
    {62, "ETRM", "Elevator Trim", "Schaltbare Höhenrudertrimmung", 1, 0, 0x00A},  // 46 SMIX: GLIDER 2 SERVOS, GLIDER 5 SERVOS
    {76, "AILE", "Aileron Mix", "Querrudermischer", 1, 0, 0x01E},  // 47 SMIX: all GLIDER, ACRO
    {77, "ELEV", "Elevator Mix", "Höhenrudermischer", 1, 0, 0x01E},  // 48 SMIX: all GLIDER, ACRO
    {58, "RUDD", "Rudder Mix", "Seitenrudermischer", 1, 0, 0x010},  // 49 SMIX: ACRO
    {262, "SNAP", "Snap Roll", "Gerissene Rolle", 1, 0, 0x010},  // 50 SMIX: ACRO
    {161, "IDLE", "Idle Throttle", "Gas Leerlaufstellung", 1, 0, 0x010},  // 51 SMIX: ACRO
    {61, "ABRK", "Air Break Mix", "Störklappenmischer", 1, 0, 0x00E},  // 52 SMIX: all GLIDER
    {275, "FLMx", "Flaperon Mix", "Mischer für kombinierte Querruder-Wölbklappen", 1, 0, 0x012},  // 53 SMIX: GLIDER 2 SERVOS, ACRO
    {75, "BFLP", "Break Flap", "Bremsklappenmischer", 1, 0, 0x008},  // 54 SMIX: GLIDER 5 SERVOS
    {175, "SFLP", "Speed Flap", "Wölbklappenmischer", 1, 0, 0x004},  // 55 SMIX: GLIDER 4 SERVOS
    {74, "SPTr", "Speed Flap Trim", "Wölbklappentrimmung", 1, 0, 0x00C},  // 56 SMIX: GLIDER 4 SERVOS, GLIDER 5 SERVOS
    {72, "BUTT", "Butterfly", "Butterfly", 1, 0, 0x00C},  // 57 SMIX: GLIDER 4 SERVOS, GLIDER 5 SERVOS
    {73, "BUTm", "Butterfly Mix", "Butterfly-Mischer", 1, 0, 0x00C},  // 58 SMIX: GLIDER 4 SERVOS, GLIDER 5 SERVOS
    {66, "NTRM", "Neutral Trim", "Trimmung der Neutralstellung der Klappen im Flügel", 1, 0, 0x004},  // 59 SMIX: GLIDER 4 SERVOS
    {70, "PIT", "Pitch Mix", "Propellerverstellung", 1, 0, 0x010},  // 60 SMIX: ACRO
    {172, "ALVT", "Ailvator", "Mischer für kombinierte Querruder-Höhenruder", 1, 0, 0x010},  // 61 SMIX: ACRO
    {13, "MxTY", "Model Type", "Auswahl des Modelltyps", 0, 0, 0x3FF},  // 62 SMIX: all types
    {8, "COPY", "Model Copy", "Daten kopieren", 0, 0, 0x3FF},  // 63 SMIX: all types
    {9, "MxSW", "Mix Switch", "Auswahl Mischerschalter", 1, 0, 0x3FF},  // 64 SMIX: all types
    {79, "MxVR", "Mix Var. Rate Select", "Trimmerzuordnung", 1, 0, 0x3FE},  // 65 SMIX: all but STANDARD
    {50, "MTRM", "Trim Memory", "Trimmerwege", 1, 0, 0x3FF},  // 66 SMIX: all types
};
// clang-format on
static_assert(sizeof(kMenuTable) / sizeof(kMenuTable[0]) == kMenuCount);

/// The first menu in table order with this id; nullptr if none.
constexpr const MdlMenuTyp* FindMenu(int id) {
  for (const MdlMenuTyp& m : kMenuTable)
    if (m.Id == id) return &m;
  return nullptr;
}

/// The first menu in table order whose Code equals the tab caption; nullptr if none.
constexpr const MdlMenuTyp* FindMenuByCode(std::string_view code) {
  for (const MdlMenuTyp& m : kMenuTable)
    if (code == m.Code) return &m;
  return nullptr;
}

/// True for a menu of the main tab "System" (type mask bit 10 or 11).
constexpr bool IsSystemMenu(const MdlMenuTyp& m) {
  return (m.TypeMask & 0xC00) != 0;
}

/// Title of the menu whose Code is the tab caption: "(61) Rudder Evolution - ...", else "-.-".
std::string MenuTitle(std::string_view tabCaption);

/// Some row whose menu (not second menu) is this id exists in the transmitter version (30..32).
bool MenuHasParameters(int menuId, int version);

/// Rows 1..666 of the menu in display order for the memory's model type and the version:
/// ordered rows by ascending order, then the menu's other rows, then those that have it as
/// second menu, each in table order.
std::vector<int> BuildMenuParamList(int menuId, const ModellSpeicherTyp* mem, int version);

/// Menus offered as tabs, in table order: main tab 0 the system menus, 1 the menus of the
/// memory's model type; never NAME, never a menu without rows in the version; none for -1.
std::vector<const MdlMenuTyp*> OfferedMenus(int mainTab, const ModellSpeicherTyp* mem, int version);

}  // namespace core
