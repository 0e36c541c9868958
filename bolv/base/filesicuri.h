// The one road by which Bolv reads and writes the user's files, shared by the
// engine and the platform layer.
//
// Reading: every file is opened without waiting and refused unless it is a
// regular file, so a FIFO or a device never blocks the program; no reader
// takes more bytes than its caller can use.
//
// Writing: every file is written whole to a temporary file beside it, synced,
// renamed over it and the folder synced, so a cut at any moment leaves either
// the old file or the new one. The temporary file of "<name>" is called
// ".<name>.bolv-XXXXXX" (six letters or digits chosen at its creation); a
// file of exactly that pattern, regular and owned by the user, is what an
// interrupted write of this program left, and pulisciavanzi removes it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bolv {

// A file of exactly dimensione bytes, or nullopt when it cannot be read, is
// not a regular file or has another size (then given in trovata, when asked).
// The size is known before anything is read, so an oversized file costs nothing.
std::optional<std::vector<uint8_t>> leggifile(const std::string& path, size_t dimensione,
                                              std::uintmax_t* trovata = nullptr);
// The first bytes of a file, at most massimo of them (fewer when the file is
// shorter), or nullopt when it cannot be read or is not a regular file.
// Nothing past massimo is read or allocated, however long the file.
std::optional<std::vector<uint8_t>> leggiinizio(const std::string& path, size_t massimo);

// Writes bytes to path through a temporary file created afresh beside it
// (never an existing file or link), then renamed over it and the folder
// synced. The file keeps its permissions; when path is a symbolic link the
// file it leads to is replaced and the link stays. An existing target that is
// not a regular file is refused. False on any failure, with the old file
// untouched and the temporary file removed.
bool scrivifilesicuro(const std::string& path, const std::vector<uint8_t>& dati);
// The same write with inizio as the file's first bytes: the bytes of an
// existing longer file past inizio.size() are carried over unchanged, copied
// block by block (holes stay holes), so the file is never shortened. A missing
// file is created holding inizio. False, the old file untouched, when the
// existing one cannot be read.
bool scriviinizio(const std::string& path, const std::vector<uint8_t>& inizio);
// The same write with coda after the whole content of the existing file,
// copied block by block; a missing file is created holding coda. False, the
// old file untouched, when the existing one cannot be read.
bool accodafile(const std::string& path, const std::vector<uint8_t>& coda);
// The same write with the content of the regular file da, copied block by
// block. permessi, when given, are the copy's; otherwise it keeps those of the
// file it replaces, or a new file's. False, a to untouched, when da cannot be
// read.
bool copiafile(const std::string& da, const std::string& a,
               std::optional<unsigned> permessi = std::nullopt);

// The same write for a file another library produces by name (a PDF): the
// temporary file is created at once and named by temporaneo(); conferma()
// syncs it, renames it over the target and syncs the folder. A temporary file
// not confirmed is removed when the object goes.
class Scritturasicura {
  public:
    explicit Scritturasicura(const std::string& path);
    ~Scritturasicura();
    Scritturasicura(const Scritturasicura&) = delete;
    Scritturasicura& operator=(const Scritturasicura&) = delete;

    // The temporary file exists; false when the target is not a regular file,
    // its chain of links does not end or its folder cannot hold a new file.
    bool aperta() const { return fd_ >= 0; }
    const std::string& temporaneo() const { return temporaneo_; }
    int fd() const { return fd_; }
    // The permissions the file takes at conferma, in place of the replaced file's.
    void impostapermessi(unsigned permessi) { permessi_ = permessi; }
    // True once the new file has taken the target's name. On false the old
    // file is untouched and the temporary file is gone. Called once.
    bool conferma();

  private:
    std::string destinazione_;
    std::string temporaneo_;
    int fd_ = -1;
    std::optional<unsigned> permessi_;
};

// Removes what interrupted writes of path left beside the file it stands for:
// names of exactly the temporary pattern that are regular files owned by this
// user (looked at without following links). Anything else is left alone. Every
// write of this road does it first; start-up does it for the data folder.
void pulisciavanzi(const std::string& path);

} // namespace bolv
