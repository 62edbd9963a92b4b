#include "graticule/graticule_dlg.h"

CGraticuleDlg::CGraticuleDlg(QWidget* parent) : platform::Dialog(parent) {
    setWindowTitle(QStringLiteral("Kartennetz / Koordinaten erzeugen"));
}

CGraticuleDlg::~CGraticuleDlg() = default;
