#include "filesicuri.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <system_error>

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bolv {

namespace {

namespace fs = std::filesystem;

const char* const MARCATEMPORANEO = ".bolv-";
constexpr size_t CASUALITEMPORANEO = 6; // the XXXXXX mkostemp fills
constexpr size_t BLOCCO = 65536;

// The file a path stands for: the path itself, or the end of its chain of
// symbolic links (a relative link is taken from the link's own folder). Empty
// when the chain does not end within the kernel's own limit of 40 links.
fs::path filereale(fs::path p) {
    std::error_code errore;
    for (int salti = 0; fs::is_symlink(p, errore); ++salti) {
        if (salti == 40) return {};
        const fs::path dove = fs::read_symlink(p, errore);
        if (errore) return {};
        p = dove.is_absolute() ? dove : p.parent_path() / dove;
    }
    return p;
}

fs::path cartelladi(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

std::string prefissotemporaneo(const fs::path& file) {
    return "." + file.filename().string() + MARCATEMPORANEO;
}

bool etemporaneo(const std::string& nome, const std::string& prefisso) {
    if (nome.size() != prefisso.size() + CASUALITEMPORANEO || !nome.starts_with(prefisso))
        return false;
    return std::all_of(
        nome.begin() + static_cast<ptrdiff_t>(prefisso.size()), nome.end(), [](unsigned char c) {
            return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        });
}

// Moves quanti bytes with read or write, which may move fewer at a time or be
// interrupted by a signal; false on an error or an early end of file.
template <typename Byte, typename Operazione>
bool trasferisci(Operazione operazione, int fd, Byte* dati, size_t quanti) {
    while (quanti > 0) {
        const ssize_t fatti = operazione(fd, dati, quanti);
        if (fatti < 0 && errno == EINTR) continue;
        if (fatti <= 0) return false;
        dati += fatti;
        quanti -= static_cast<size_t>(fatti);
    }
    return true;
}

bool scrivitutto(int fd, const uint8_t* dati, size_t quanti) {
    return trasferisci(::write, fd, dati, quanti);
}

// Reads until quanti bytes or the end of the file: the bytes read, or -1 on an error.
ssize_t leggifino(int fd, uint8_t* dati, size_t quanti) {
    size_t letti = 0;
    while (letti < quanti) {
        const ssize_t fatti = ::read(fd, dati + letti, quanti - letti);
        if (fatti < 0 && errno == EINTR) continue;
        if (fatti < 0) return -1;
        if (fatti == 0) break;
        letti += static_cast<size_t>(fatti);
    }
    return static_cast<ssize_t>(letti);
}

// The permissions a replaced file keeps, or those a new file would get.
mode_t permessi(const std::string& destinazione) {
    struct stat vecchio;
    if (::stat(destinazione.c_str(), &vecchio) == 0 && S_ISREG(vecchio.st_mode))
        return vecchio.st_mode & 07777;
    const mode_t maschera = ::umask(0);
    ::umask(maschera);
    return 0666 & ~maschera;
}

// Opens a regular file for reading: a FIFO or a device would block or never end,
// so the file is opened without waiting and refused when it is not a regular one
// (errno ENOENT then tells a missing file from a refused one).
int apriregolare(const std::string& path, struct stat& info) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

// Closes a descriptor when it goes.
class Descrittore {
  public:
    explicit Descrittore(int fd) : fd_(fd) {}
    ~Descrittore() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descrittore(const Descrittore&) = delete;
    Descrittore& operator=(const Descrittore&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

// Copies the bytes da..fine of one file to the same places of another, one
// block at a time, skipping the holes the system reports; the target must be
// extended to its length afterwards, since a trailing hole writes nothing.
bool copiaintervallo(int sorgente, int bersaglio, off_t da, off_t fine) {
    uint8_t blocco[BLOCCO];
    while (da < fine) {
        off_t dati = ::lseek(sorgente, da, SEEK_DATA);
        if (dati < 0 && errno == ENXIO) return true; // only a hole is left
        off_t buco = dati < 0 ? fine : ::lseek(sorgente, dati, SEEK_HOLE);
        if (dati < 0) dati = da; // a file system that cannot say: all of it is data
        if (buco < 0) buco = fine;
        buco = std::min(buco, fine);
        for (off_t p = dati; p < buco;) {
            const auto quanti = static_cast<size_t>(std::min<off_t>(buco - p, BLOCCO));
            const ssize_t letti = ::pread(sorgente, blocco, quanti, p);
            if (letti < 0 && errno == EINTR) continue;
            if (letti <= 0) return false;
            for (ssize_t scritti = 0; scritti < letti;) {
                const ssize_t fatti = ::pwrite(bersaglio, blocco + scritti,
                                               static_cast<size_t>(letti - scritti), p + scritti);
                if (fatti < 0 && errno == EINTR) continue;
                if (fatti <= 0) return false;
                scritti += fatti;
            }
            p += letti;
        }
        da = buco;
    }
    return true;
}

// Fills a new temporary file for path and confirms it: the one write all the others use.
bool scrivicon(const std::string& path, const std::function<bool(int)>& riempi,
               std::optional<unsigned> modo = std::nullopt) {
    Scritturasicura scrittura(path);
    if (!scrittura.aperta()) return false;
    if (modo) scrittura.impostapermessi(*modo);
    return riempi(scrittura.fd()) && scrittura.conferma();
}

// The old content of path ahead of testa and coda: testa over the first bytes,
// the rest of the old file from the end of testa, coda after all of it. The
// old file is read first, so a refused one costs no temporary file.
bool scrivisuvecchio(const std::string& path, const std::vector<uint8_t>& testa,
                     const std::vector<uint8_t>& coda) {
    struct stat info {};
    const Descrittore vecchio(apriregolare(path, info));
    if (vecchio.fd() < 0 && errno != ENOENT) return false;
    const off_t lunghezza = vecchio.fd() < 0 ? 0 : info.st_size;
    return scrivicon(path, [&](int fd) {
        const auto inizio = static_cast<off_t>(testa.size());
        const off_t fine = std::max(inizio, lunghezza);
        return scrivitutto(fd, testa.data(), testa.size()) &&
               (vecchio.fd() < 0 || copiaintervallo(vecchio.fd(), fd, inizio, lunghezza)) &&
               ::ftruncate(fd, fine) == 0 && ::lseek(fd, fine, SEEK_SET) == fine &&
               scrivitutto(fd, coda.data(), coda.size());
    });
}

} // namespace

Scritturasicura::Scritturasicura(const std::string& path) {
    const fs::path destinazione = filereale(path);
    if (destinazione.empty()) return;
    struct stat info;
    if (::stat(destinazione.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return;
    destinazione_ = destinazione.string();
    pulisciavanzi(destinazione_);
    // mkostemp creates the file with O_EXCL: it never opens an existing file or
    // follows a link, and a leftover of an earlier run cannot be in the way.
    std::string modello =
        (cartelladi(destinazione) / (prefissotemporaneo(destinazione) + "XXXXXX")).string();
    fd_ = ::mkostemp(modello.data(), O_CLOEXEC);
    if (fd_ >= 0) temporaneo_ = std::move(modello);
}

Scritturasicura::~Scritturasicura() {
    if (fd_ < 0) return;
    ::close(fd_);
    ::unlink(temporaneo_.c_str());
}

bool Scritturasicura::conferma() {
    if (fd_ < 0) return false;
    // The file must be the one created, even when another library wrote it by name.
    struct stat aperto, nome;
    bool ok = ::fstat(fd_, &aperto) == 0 && ::lstat(temporaneo_.c_str(), &nome) == 0 &&
              aperto.st_dev == nome.st_dev && aperto.st_ino == nome.st_ino;
    // The data must be on disk before the rename makes it the file.
    ok = ok && ::fchmod(fd_, permessi_ ? *permessi_ : permessi(destinazione_)) == 0 &&
         ::fsync(fd_) == 0;
    ok = ::close(fd_) == 0 && ok;
    fd_ = -1;
    if (!ok || ::rename(temporaneo_.c_str(), destinazione_.c_str()) != 0) {
        ::unlink(temporaneo_.c_str());
        return false;
    }
    // The rename itself is on disk only once the folder is. The new file is in
    // place whatever the sync answers, so its answer changes nothing here.
    const fs::path cartella = cartelladi(destinazione_);
    const int fdcartella = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fdcartella >= 0) {
        ::fsync(fdcartella);
        ::close(fdcartella);
    }
    return true;
}

void pulisciavanzi(const std::string& path) {
    const fs::path destinazione = filereale(path);
    if (destinazione.empty()) return;
    const std::string prefisso = prefissotemporaneo(destinazione);
    DIR* cartella = ::opendir(cartelladi(destinazione).c_str());
    if (!cartella) return;
    const int fdcartella = ::dirfd(cartella);
    while (const dirent* voce = ::readdir(cartella)) {
        if (!etemporaneo(voce->d_name, prefisso)) continue;
        struct stat info;
        if (::fstatat(fdcartella, voce->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == ::geteuid())
            ::unlinkat(fdcartella, voce->d_name, 0);
    }
    ::closedir(cartella);
}

bool scrivifilesicuro(const std::string& path, const std::vector<uint8_t>& dati) {
    return scrivicon(path, [&](int fd) { return scrivitutto(fd, dati.data(), dati.size()); });
}

bool scriviinizio(const std::string& path, const std::vector<uint8_t>& inizio) {
    return scrivisuvecchio(path, inizio, {});
}

bool accodafile(const std::string& path, const std::vector<uint8_t>& coda) {
    return scrivisuvecchio(path, {}, coda);
}

bool copiafile(const std::string& da, const std::string& a, std::optional<unsigned> permessi) {
    struct stat info {};
    const Descrittore sorgente(apriregolare(da, info));
    if (sorgente.fd() < 0) return false;
    return scrivicon(
        a,
        [&](int fd) {
            return copiaintervallo(sorgente.fd(), fd, 0, info.st_size) &&
                   ::ftruncate(fd, info.st_size) == 0;
        },
        permessi);
}

std::optional<std::vector<uint8_t>> leggifile(const std::string& path, size_t dimensione,
                                              std::uintmax_t* trovata) {
    struct stat info;
    const Descrittore file(apriregolare(path, info));
    if (file.fd() < 0) return std::nullopt;
    if (trovata) *trovata = static_cast<std::uintmax_t>(info.st_size);
    if (static_cast<std::uintmax_t>(info.st_size) != dimensione) return std::nullopt;
    std::vector<uint8_t> dati(dimensione);
    if (leggifino(file.fd(), dati.data(), dimensione) != static_cast<ssize_t>(dimensione))
        return std::nullopt;
    return dati;
}

std::optional<std::vector<uint8_t>> leggiinizio(const std::string& path, size_t massimo) {
    struct stat info;
    const Descrittore file(apriregolare(path, info));
    if (file.fd() < 0) return std::nullopt;
    // The size said is a hint only (a file may grow while it is read): at most
    // massimo bytes are read either way.
    std::vector<uint8_t> dati(std::min(static_cast<size_t>(info.st_size), massimo));
    size_t letti = 0;
    while (true) {
        const ssize_t fatti = leggifino(file.fd(), dati.data() + letti, dati.size() - letti);
        if (fatti < 0) return std::nullopt;
        letti += static_cast<size_t>(fatti);
        if (letti < dati.size() || dati.size() == massimo) break;
        dati.resize(std::min(massimo, dati.size() + BLOCCO));
    }
    dati.resize(letti);
    return dati;
}

} // namespace bolv
