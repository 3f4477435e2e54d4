#pragma once
// Generic record data access: one object is bound to one table and one row selection (key column and value,
// up to three further text keys) and moves one named column between the selected rows and a form control,
// a grid column or a variable. Transfer methods return false after they have shown their failure message.
#include "platform/core/Database.h"
#include "records/DatenStatement.h"

#include <QList>
#include <QString>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace talur {

class GridControl;
class RunContext;

class clsDATEN {
public:
    // Binds the object to table E1 and the first active record, on the working copy.
    explicit clsDATEN(RunContext& context);
    ~clsDATEN();
    clsDATEN(const clsDATEN&) = delete;
    clsDATEN& operator=(const clsDATEN&) = delete;

    // --- properties ---
    // true: presets database (the working copy in stand-alone mode); false: working copy.
    void setEBOV(bool value);
    QString EMDB() const { return m_emdb; }
    // Switches to the database file <name>.db of the project folder; BOMDB says whether that happened.
    void setEMDB(const QString& name, bool& BOMDB);
    QString ETABELLE() const { return m_keys.ETABELLE; }
    void setETABELLE(const QString& value) { m_keys.ETABELLE = value; }
    QString ESPID() const { return m_keys.ESPID; }
    void setESPID(const QString& value) { m_keys.ESPID = value; }
    int32_t ESPIDW() const { return m_keys.ESPIDW; }
    void setESPIDW(int32_t value) { m_keys.ESPIDW = value; }
    QString ESPK1() const { return m_keys.ESPK[0]; }
    void setESPK1(const QString& value) { m_keys.ESPK[0] = value; }
    QString ESPK1W() const { return m_keys.ESPKW[0]; }
    void setESPK1W(const QString& value) { m_keys.ESPKW[0] = value; }
    QString ESPK2() const { return m_keys.ESPK[1]; }
    void setESPK2(const QString& value) { m_keys.ESPK[1] = value; }
    QString ESPK2W() const { return m_keys.ESPKW[1]; }
    void setESPK2W(const QString& value) { m_keys.ESPKW[1] = value; }
    QString ESPK3() const { return m_keys.ESPK[2]; }
    void setESPK3(const QString& value) { m_keys.ESPK[2] = value; }
    QString ESPK3W() const { return m_keys.ESPKW[2]; }
    void setESPK3W(const QString& value) { m_keys.ESPKW[2] = value; }

    // The open result set of the selection; errors reach the caller.
    Recordset DT(const QString& SPV, const Selection& sel = {});

    // --- control to table ---
    bool DFTC(const QString& SPV, const QCheckBox& chkX, const Selection& sel = {});
    bool DFTCC(const QString& SPV, const QCheckBox& chkX, const Selection& sel = {});
    bool DFTCV(const QString& SPV, const QCheckBox& chkX, const Selection& sel = {});
    bool DFTF(const QString& SPV, GridControl& msgFLX, const QString& SPNR, const GridSelection& sel = {});
    bool DFTFM(const QString& SPV, GridControl& msgFLX, const QString& SPNR, const GridSelection& sel = {});
    bool DFTI(const QString& SPV, const QListWidget& lstX, const Selection& sel = {});
    bool DFTIL(const QString& SPV, const QListWidget& lstX, const Selection& sel = {});
    bool DFTIS(const QString& SPV, const QListWidget& lstX, const Selection& sel = {});
    bool DFTL(const QString& SPV, const QLabel& lblX, const Selection& sel = {});
    bool DFTLC(const QString& SPV, const QLabel& lblX, const Selection& sel = {});
    bool DFTLI(const QString& SPV, const QLabel& lblX, const Selection& sel = {});
    bool DFTM(const QString& SPV, const QComboBox& cboX, const Selection& sel = {});
    bool DFTML(const QString& SPV, const QComboBox& cboX, const Selection& sel = {});
    bool DFTMS(const QString& SPV, const QComboBox& cboX, const Selection& sel = {});
    bool DFTMT(const QString& SPV, const QComboBox& cboX, const Selection& sel = {});
    bool DFTO(const QString& SPV, const QRadioButton& optX, const Selection& sel = {});
    bool DFTOC(const QString& SPV, const QRadioButton& optX, const Selection& sel = {});
    bool DFTOV(const QString& SPV, const QRadioButton& optX, const Selection& sel = {});
    bool DFTT(const QString& SPV, const QLineEdit& txtX, const Selection& sel = {});
    bool DFTTT(const QString& SPV, const QLineEdit& txtX, const Selection& sel = {});

    // --- table to control ---
    bool DTFC(const QString& SPV, QCheckBox& chkX, const Selection& sel = {});
    bool DTFCC(const QString& SPV, QCheckBox& chkX, const Selection& sel = {});
    bool DTFCV(const QString& SPV, QCheckBox& chkX, const Selection& sel = {});
    bool DTFF(const QString& SPV, GridControl& msgFLX, const QString& SPNR, const GridSelection& sel = {},
              int16_t ZNR = 0);
    bool DTFFM(const QString& SPV, GridControl& msgFLX, const QString& SPNR, const GridSelection& sel = {});
    bool DTFI(const QString& SPV, QListWidget& lstX, const Selection& sel = {});
    bool DTFIL(const QString& SPV, QListWidget& lstX, const Selection& sel = {});
    bool DTFIS(const QString& SPV, QListWidget& lstX, const Selection& sel = {});
    bool DTFL(const QString& SPV, QLabel& lblX, const Selection& sel = {});
    bool DTFLC(const QString& SPV, QLabel& lblX, const Selection& sel = {});
    bool DTFM(const QString& SPV, QComboBox& cboX, const Selection& sel = {});
    bool DTFML(const QString& SPV, QComboBox& cboX, const Selection& sel = {});
    bool DTFMM(const QString& SPV, QComboBox& cboX, const GridSelection& sel = {});
    bool DTFMS(const QString& SPV, QComboBox& cboX, const Selection& sel = {});
    bool DTFMT(const QString& SPV, QComboBox& cboX, const Selection& sel = {});
    bool DTFO(const QString& SPV, QRadioButton& optX, const Selection& sel = {});
    bool DTFOC(const QString& SPV, QRadioButton& optX, const Selection& sel = {});
    bool DTFOV(const QString& SPV, QRadioButton& optX, const Selection& sel = {});
    bool DTFT(const QString& SPV, QLineEdit& txtX, const Selection& sel = {});
    bool DTFTT(const QString& SPV, QLineEdit& txtX, const Selection& sel = {});

    // --- variable to table ---
    bool DVTA(const QString& SPV, DateTime DTM, const Selection& sel = {});
    bool DVTB(const QString& SPV, bool BO, const Selection& sel = {});
    bool DVTBF(const QString& SPV, const std::vector<bool>& BO, const Selection& sel = {});
    bool DVTT(const QString& SPV, const QString& TXT, const Selection& sel = {});
    bool DVTTF(const QString& SPV, const std::vector<QString>& TXT, const Selection& sel = {});
    bool DVTI(const QString& SPV, int16_t I, const Selection& sel = {});
    bool DVTIF(const QString& SPV, const std::vector<int16_t>& ZAHLEN, const Selection& sel = {});
    bool DVTL(const QString& SPV, int32_t L, const Selection& sel = {});
    bool DVTS(const QString& SPV, float ZAHL, const Selection& sel = {});
    bool DVTSF(const QString& SPV, const std::vector<float>& ZAHLEN, const Selection& sel = {});
    bool DVTD(const QString& SPV, double ZAHL, const Selection& sel = {});
    bool DVTV(const QString& SPV, const Variant& WERT, const Selection& sel = {});

    // --- table to variable (arrays must be sized by the caller to hold every row) ---
    bool DTVA(const QString& SPV, DateTime& DATUM, const Selection& sel = {});
    bool DTVB(const QString& SPV, bool& BO, const Selection& sel = {});
    bool DTVBF(const QString& SPV, std::vector<bool>& BO, const Selection& sel = {});
    bool DTVT(const QString& SPV, QString& TXT, const Selection& sel = {});
    bool DTVTF(const QString& SPV, std::vector<QString>& TXT, const Selection& sel = {});
    bool DTVI(const QString& SPV, int16_t& I, const Selection& sel = {});
    bool DTVIF(const QString& SPV, std::vector<int16_t>& ZAHLEN, const Selection& sel = {});
    bool DTVL(const QString& SPV, int32_t& L, const Selection& sel = {});
    bool DTVS(const QString& SPV, float& ZAHL, const Selection& sel = {});
    bool DTVSF(const QString& SPV, std::vector<float>& ZAHLEN, const Selection& sel = {});
    bool DTVD(const QString& SPV, double& ZAHL, const Selection& sel = {});
    bool DTVV(const QString& SPV, Variant& WERT, const Selection& sel = {});
    bool DTVVF(const QString& SPV, std::vector<Variant>& WERTE, const Selection& sel = {});
    bool DTVCOL(const QString& SPV, QList<Variant>& X, const Selection& sel = {});

    // --- index range and record lists ---
    void INDEX(int16_t& MINI, int16_t& MAXI, int16_t& AN, const GridSelection& sel = {});
    void INDEXL(int32_t& MINI, int32_t& MAXI, int32_t& AN, const GridSelection& sel = {});
    void INDEXV(Variant& MINI, Variant& MAXI, int16_t& AN, const GridSelection& sel = {});
    void LID(std::vector<int32_t>& ID, bool AKT);
    void LKEN(std::vector<QString>& KEN, bool AKT);

    // Deletes the selected rows (all four pairs restrict the deletion).
    bool LOESCHEN(const Selection& sel = {});

private:
    bool SPALTESCHREIBEN(const QString& SPV, const std::vector<Variant>& v, const Selection& sel);
    bool SPALTELESEN(const QString& SPV, std::vector<Variant>& a, const Selection& sel);
    void initialise();

    // Single-value transfer with its failure message; readOne gives nullopt after a failure.
    bool writeOne(const QString& SPV, const Variant& value, const Selection& sel);
    std::optional<Variant> readOne(const QString& SPV, const Selection& sel);
    bool writeArray(const QString& SPV, const std::vector<Variant>& values, const Selection& sel);
    template <class T, class Convert>
    bool readArray(const QString& SPV, std::vector<T>& target, const Selection& sel, Convert convert);
    template <class T, class A, class Convert>
    void indexRange(T& MINI, T& MAXI, A& AN, const GridSelection& sel, Convert convert);
    template <class T> void recordList(std::vector<T>& list, const QString& column, bool AKT);
    void setRowKeys(Recordset& rs, const Selection& sel) const;

    // Failure messages.
    void showWriteFailure(const QString& SPV, const Variant& value) const;
    void showReadFailure(const QString& SPV) const;
    QString gridFailureText(const QString& SPV, const QString& SPNR, const GridControl& grid,
                            const RunError& e, bool writing) const;

    RunContext& m_context;
    Connection* m_cnn;
    std::unique_ptr<Connection> m_ownCnn;
    QString m_emdb;
    DatenKeys m_keys;
};

} // namespace talur
