// The name of every window of Bolv but the main window: the one spelling that the window
// tables, the menus and toolbars, the registry and the windows themselves use.
#pragma once

namespace bolv::nomi {

// The main window's own dialogs.
inline constexpr char init[] = "init";
inline constexpr char estremi[] = "estremi";
inline constexpr char info[] = "info";
inline constexpr char cfgform[] = "cfgform";
inline constexpr char about[] = "about";

// Analysis windows.
inline constexpr char massimi[] = "massimi";
inline constexpr char ricerca[] = "ricerca";
inline constexpr char combinazioni[] = "combinazioni";
inline constexpr char capogioco[] = "capogioco";
inline constexpr char estrazionale[] = "estrazionale";
inline constexpr char tabform[] = "tabform";
inline constexpr char situ[] = "situ";
inline constexpr char terni[] = "terni";
inline constexpr char estratti[] = "estratti";
inline constexpr char ambi[] = "ambi";
inline constexpr char sincro[] = "sincro";

// Archive windows.
inline constexpr char inserimento[] = "inserimento";
inline constexpr char archivio2[] = "archivio2";
inline constexpr char archesteso[] = "archesteso";

// Play tools.
inline constexpr char vincite[] = "vincite";
inline constexpr char calcvinc[] = "calcvinc";
inline constexpr char progress[] = "progress";
inline constexpr char simul[] = "simul";
inline constexpr char superena[] = "superena";
inline constexpr char pronostici[] = "pronostici";
inline constexpr char stampa[] = "stampa";
inline constexpr char sistemi[] = "sistemi";

} // namespace bolv::nomi
