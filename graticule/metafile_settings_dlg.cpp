#include "graticule/metafile_settings_dlg.h"

#include <QLineEdit>
#include <QPushButton>

#include "platform/data_exchange.h"
#include "ui_metafile_settings_dlg.h"

using namespace metafile_settings_ids;

CMetafileSettingsDlg::CMetafileSettingsDlg(QWidget* parent)
    : platform::Dialog(parent), ui_(new Ui::CMetafileSettingsDlg) {
    setKeys(graticule::ObjectKeys{});
    ui_->setupUi(this);
    platform::setControlIds({
        {ui_->buttonOk, kOk},
        {ui_->buttonCancel, kCancel},
        {ui_->editKey10, kKey10},
        {ui_->editKey5, kKey5},
        {ui_->editKey2, kKey2},
        {ui_->editKey1, kKey1},
        {ui_->editKey30, kKey30},
        {ui_->editKeyOther, kKeyOther},
        {ui_->editKeyCircles, kKeyCircles},
    });

    const std::pair<QLineEdit*, const int32_t*> fields[] = {
        {ui_->editKey10, &m_nKey10},       {ui_->editKey5, &m_nKey5},
        {ui_->editKey2, &m_nKey2},         {ui_->editKey1, &m_nKey1},
        {ui_->editKey30, &m_nKey30},       {ui_->editKeyCircles, &m_nKeyCircles},
        {ui_->editKeyOther, &m_nKeyOther},
    };
    for (const auto& [edit, key] : fields) {
        onFocusLost(edit, [this, key = key] { return onKeyFocusLost(*key); });
    }
    setCancelButton(ui_->buttonCancel);
    connect(ui_->buttonOk, &QPushButton::clicked, this, &CMetafileSettingsDlg::accept);
    connect(ui_->buttonCancel, &QPushButton::clicked, this, &CMetafileSettingsDlg::reject);
}

CMetafileSettingsDlg::~CMetafileSettingsDlg() = default;

graticule::ObjectKeys CMetafileSettingsDlg::objectKeys() const {
    return {m_nKey10, m_nKey5, m_nKey2, m_nKey1, m_nKey30, m_nKeyCircles, m_nKeyOther};
}

void CMetafileSettingsDlg::setKeys(const graticule::ObjectKeys& keys) {
    m_nKey10 = keys.key10;
    m_nKey5 = keys.key5;
    m_nKey2 = keys.key2;
    m_nKey1 = keys.key1;
    m_nKey30 = keys.key30;
    m_nKeyCircles = keys.keyCircles;
    m_nKeyOther = keys.keyOther;
}

void CMetafileSettingsDlg::doDataExchange(platform::DataExchange& dx) {
    dx.integer(ui_->editKey10, m_nKey10);
    dx.integer(ui_->editKey5, m_nKey5);
    dx.integer(ui_->editKey2, m_nKey2);
    dx.integer(ui_->editKey1, m_nKey1);
    dx.integer(ui_->editKey30, m_nKey30);
    dx.integer(ui_->editKeyCircles, m_nKeyCircles);
    dx.integer(ui_->editKeyOther, m_nKeyOther);
}

void CMetafileSettingsDlg::initDialog() {
    backup_ = objectKeys();
}

bool CMetafileSettingsDlg::onKeyFocusLost(const int32_t& key) {
    return takeOverAndCheck([&key] { return graticule::checkObjectKey(key); });
}

void CMetafileSettingsDlg::accept() {
    if (!updateData(true)) return;
    platform::Dialog::accept();
}

void CMetafileSettingsDlg::reject() {
    if (isRunning()) return;
    setKeys(backup_);
    platform::Dialog::reject();
}
