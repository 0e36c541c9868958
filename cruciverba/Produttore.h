#pragma once

// Who makes cruciverba: the texts of the dialogs that present the maker and point to its shops.
// The web host is the program's own and lies in the reserved ".example" domain, so no address of
// the program ever leads to somebody else's site.

namespace cruciverba {

inline constexpr char HostProduttore[] = "www.cruciverba.example";
// The maker as the program names itself; its shops are the "Ricevitorie Orvanta".
inline constexpr char NomeProduttore[] = "progetto cruciverba";

} // namespace cruciverba
