#include "definizionefinestra.h"

#include <algorithm>
#include <map>
#include <vector>

namespace bolv {

namespace {

std::vector<std::span<const Definizionefinestra>>& tabelle() {
    static std::vector<std::span<const Definizionefinestra>> tutte;
    return tutte;
}

} // namespace

void aggiungitabella(std::span<const Definizionefinestra> tabella) {
    auto& tutte = tabelle();
    const auto stessa = [&](std::span<const Definizionefinestra> t) {
        return t.data() == tabella.data();
    };
    if (std::none_of(tutte.begin(), tutte.end(), stessa)) tutte.push_back(tabella);
}

const Definizionefinestra* definizione(std::string_view nome) {
    for (const auto& tabella : tabelle())
        for (const auto& riga : tabella)
            if (nome == riga.nome) return &riga;
    return nullptr;
}

void definiscifinestre(Stato& s) {
    for (const auto& tabella : tabelle())
        for (const auto& riga : tabella)
            if (riga.crea)
                platform::registry().define(
                    QString::fromLatin1(riga.nome), [&s, crea = riga.crea] { return crea(s); },
                    riga.tipo);
}

QStringList finestredati() {
    std::map<int, QString> perordine;
    for (const auto& tabella : tabelle())
        for (const auto& riga : tabella)
            if (riga.chiusura > 0) perordine.emplace(riga.chiusura, QString::fromLatin1(riga.nome));
    QStringList nomi;
    for (const auto& [ordine, nome] : perordine)
        nomi << nome;
    return nomi;
}

} // namespace bolv
