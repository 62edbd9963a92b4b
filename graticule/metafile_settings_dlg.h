#pragma once
// "Quorin Einstellungen": the object keys that the metafile writer gives the
// lines of each class. The keys live in this dialog object for the whole run
// of the program; "Abbrechen" puts back those of the opening.

#include <cstdint>
#include <memory>

#include "graticule/metafile_writer.h"
#include "platform/dialog.h"

namespace Ui {
class CMetafileSettingsDlg;
}

// The control ids of "Quorin Einstellungen".
namespace metafile_settings_ids {
enum ControlId : int {
    kOk = 1,
    kCancel = 2,
    kKey10 = 1005,
    kKey5 = 1006,
    kKey2 = 1007,
    kKey1 = 1008,
    kKey30 = 1009,
    kKeyOther = 1010,
    kKeyCircles = 1011,
};
}  // namespace metafile_settings_ids

class CMetafileSettingsDlg : public platform::Dialog {
    Q_OBJECT
public:
    explicit CMetafileSettingsDlg(QWidget* parent = nullptr);
    ~CMetafileSettingsDlg() override;

    // In the order of the dialog (control ids in brackets).
    int32_t m_nKey10;       // 1005 "1&0° Linien"
    int32_t m_nKey5;        // 1006 "&5° Linien"
    int32_t m_nKey2;        // 1007 "&2° Linien"
    int32_t m_nKey1;        // 1008 "&1° Linien"
    int32_t m_nKey30;       // 1009 "&30' Linien"
    int32_t m_nKeyCircles;  // 1011 "Polar- und &Wendekreise"
    int32_t m_nKeyOther;    // 1010 "&sonstige Linien"

    // The seven keys for the metafile writer.
    graticule::ObjectKeys objectKeys() const;

public slots:
    // Takes over all fields and closes; stays open when a field does not parse.
    void accept() override;
    // Puts back the keys of the opening and closes.
    void reject() override;

protected:
    void doDataExchange(platform::DataExchange& dx) override;
    void initDialog() override;

private:
    void setKeys(const graticule::ObjectKeys& keys);
    bool onKeyFocusLost(const int32_t& key);

    std::unique_ptr<Ui::CMetafileSettingsDlg> ui_;
    graticule::ObjectKeys backup_;
};
