#pragma once

#include <cstdint>

// The window's commands, one row each: the menus are built from this table and every use names
// a command by its enumerator, so a misspelt command does not compile.

namespace app {

enum class Cmd : std::uint8_t {
  FktNeu,
  FktKopieren,
  FktLoeschen,
  FktLoeschenRueckgaengig,
  FktSpeichern,
  FktAlleSpeichern,
  FktExit,
  FktRueckgaengig,
  FktWiederherstellen,
  FktCopyData,
  FktResetData,
  FktDrucken,
  FktSenden,
  FktEmpfangen,
  MenuFuncSchnittstelle,
  FktVerzeichnis,
  FktErlaeuterungen,
  FktAlleFlugzustaende,
  FktDefaultwerte,
  FktDefaultDaten,
  FktFormelnPruefen,
  FktVersion,
  FktHistory,
};

/// The menus of the menu bar, in their order; the version items form a submenu of "&Optionen".
enum class MenuId : std::uint8_t { Modellspeicher, Daten, Verbindung, Optionen, Info };

struct MenuRow {
  MenuId id;
  const char* objectName;
  const char* caption;
};

inline constexpr MenuRow kMenus[] = {
    {MenuId::Modellspeicher, "MenuModellspeicher", "&Modellspeicher"},
    {MenuId::Daten, "MenuDaten", "&Daten"},
    {MenuId::Verbindung, "MenuVerbindung", "&Verbindung"},
    {MenuId::Optionen, "MenuOptionen", "&Optionen"},
    {MenuId::Info, "MenuInfo", "&Info"},
};

/// Where a command's item stands beside the others of its menu.
enum class Place : std::uint8_t {
  Item,
  AfterSeparator,      ///< a separator line above it
  AfterVersionMenu,    ///< the "&Senderversion" submenu and a separator line above it
};

struct CommandRow {
  Cmd cmd;
  MenuId menu;
  const char* objectName;
  const char* caption;
  const char* hint;      ///< status bar text; "" for none
  const char* shortcut;  ///< QKeySequence text, several separated by "; "; "" for none
  bool checkable;
  bool enabled;  ///< at construction; modules enable what they bring
  bool visible;
  Place place;
};

// clang-format off
inline constexpr CommandRow kCommands[] = {
    {Cmd::FktNeu, MenuId::Modellspeicher, "FktNeu", "&Neu", "Erzeugt einen neuen Modellspeicher mit Defaultdaten", "", false, false, true, Place::Item},
    {Cmd::FktKopieren, MenuId::Modellspeicher, "FktKopieren", "&Kopieren", "Erzeugt einen neuen Modellspeicher als Kopie des aktiven Modellspeichers", "", false, true, true, Place::Item},
    {Cmd::FktLoeschen, MenuId::Modellspeicher, "FktLoeschen", "&Löschen", "Löscht den aktiven Modellspeicher", "", false, true, true, Place::Item},
    {Cmd::FktLoeschenRueckgaengig, MenuId::Modellspeicher, "FktLoeschenRueckgaengig", "Löschen &Rückgängig", "Holt einen gelöschten Modellspeicher zurück", "", false, true, true, Place::Item},
    {Cmd::FktSpeichern, MenuId::Modellspeicher, "FktSpeichern", "&Speichern", "", "", false, true, true, Place::Item},
    {Cmd::FktAlleSpeichern, MenuId::Modellspeicher, "FktAlleSpeichern", "&Alle Speichern", "Schreibt alle geänderten Modellspeicher auf Festplatte", "", false, true, true, Place::Item},
    {Cmd::FktExit, MenuId::Modellspeicher, "FktExit", "E&xit", "Programm beenden", "Alt+X", false, true, true, Place::AfterSeparator},
    {Cmd::FktRueckgaengig, MenuId::Daten, "FktRueckgaengig", "&Rückgängig", "Nimmt die letzte Änderung des aktiven Modellspeichers zurück", "Ctrl+Z", false, false, true, Place::Item},
    {Cmd::FktWiederherstellen, MenuId::Daten, "FktWiederherstellen", "&Wiederherstellen", "Stellt die zuletzt zurückgenommene Änderung des aktiven Modellspeichers wieder her", "Ctrl+Y; Ctrl+Shift+Z", false, false, true, Place::Item},
    {Cmd::FktCopyData, MenuId::Daten, "FktCopyData", "&Kopieren", "Kopieren bestimmter Daten zwischen Modellspeichern oder innerhalb von Modellspeichern", "", false, false, true, Place::AfterSeparator},
    {Cmd::FktResetData, MenuId::Daten, "FktResetData", "&Reset", "", "", false, false, true, Place::Item},
    {Cmd::FktDrucken, MenuId::Daten, "FktDrucken", "D&rucken", "", "", false, false, true, Place::Item},
    {Cmd::FktSenden, MenuId::Verbindung, "FktSenden", "&Senden (PC -> FC28)", "Senden des aktiven Modellspeichers an den FC28 Sender", "", false, false, true, Place::Item},
    {Cmd::FktEmpfangen, MenuId::Verbindung, "FktEmpfangen", "&Empfangen (FC28 -> PC)", "Empfangen eines Modellspeichers vom FC28 Sender", "", false, false, true, Place::Item},
    {Cmd::MenuFuncSchnittstelle, MenuId::Optionen, "MenuFuncSchnittstelle", "Schn&ittstelle", "Wahl der verwendeten seriellen Schnittstelle", "", false, false, true, Place::Item},
    {Cmd::FktVerzeichnis, MenuId::Optionen, "FktVerzeichnis", "Modellspeicher&verzeichnis", "Wahl des Verzeichnisses in dem die Modellspeicher gesichert werden", "", false, true, true, Place::Item},
    {Cmd::FktErlaeuterungen, MenuId::Optionen, "FktErlaeuterungen", "&Erläuterungen", "Auswahl ob Erläuterungen zu den Funktionen der FC28 eingeblendet werden sollen", "", true, true, true, Place::AfterVersionMenu},
    {Cmd::FktAlleFlugzustaende, MenuId::Optionen, "FktAlleFlugzustaende", "Alle &Flugzustände zeigen", "Auswahl, ob die Daten unbenutzter Flugzustände angezeigt werden sollen", "", true, true, true, Place::Item},
    {Cmd::FktDefaultwerte, MenuId::Optionen, "FktDefaultwerte", "&Defaultwerte zeigen", "Auswahl, ob die Defaultwerte zu den Daten angezeigt werden sollen", "", true, true, true, Place::Item},
    {Cmd::FktDefaultDaten, MenuId::Optionen, "FktDefaultDaten", "Default Daten", "", "", false, true, false, Place::Item},
    {Cmd::FktFormelnPruefen, MenuId::Optionen, "FktFormelnPruefen", "Formeln prüfen", "", "", false, true, false, Place::Item},
    {Cmd::FktVersion, MenuId::Info, "FktVersion", "&Version", "", "", false, true, true, Place::Item},
    {Cmd::FktHistory, MenuId::Info, "FktHistory", "&History", "", "", false, false, true, Place::Item},
};
// clang-format on

/// The row of a command (rows stand in enumerator order).
constexpr const CommandRow& CommandOf(Cmd cmd) {
  return kCommands[static_cast<int>(cmd)];
}

constexpr bool CommandsInEnumeratorOrder() {
  for (int i = 0; i < static_cast<int>(sizeof kCommands / sizeof kCommands[0]); ++i)
    if (static_cast<int>(kCommands[i].cmd) != i) return false;
  return true;
}
static_assert(CommandsInEnumeratorOrder(), "kCommands rows stand in the order of Cmd");

}  // namespace app
