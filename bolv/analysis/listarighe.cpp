#include "listarighe.h"

#include <QStringListModel>

namespace bolv {

listarighe::listarighe(const QString& nome, QWidget* genitore, std::function<void(int)> scelta)
    : QListView(genitore), modello(new QStringListModel(this)) {
    setObjectName(nome);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(modello);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [scelta = std::move(scelta)](const QModelIndex& i) {
                if (i.isValid()) scelta(i.row());
            });
}

void listarighe::imposta(QStringList righe) {
    modello->setStringList(std::move(righe));
}

} // namespace bolv
