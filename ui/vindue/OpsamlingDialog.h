// "&Opsamling...": measurements straight from a sensor on a serial port (an
// Arduino printing lines) into an input table, while the grid and the graph
// grow behind the dialog. The dialog is modeless: the window stays in view
// and its graph sheet is redrawn as the lines arrive. The port and the clocks
// belong here; turning bytes into measurements is the engine's TOpsamling.
// The whole capture is one undo step, and the recovery file follows it while
// it runs, so neither a wrong click nor a crash loses the values.
#pragma once

#include <QAbstractItemView>
#include <QDialog>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "files/Opsamling.h"
#include "ui/fortryd/Fortryd.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QKeyEvent;
class QMouseEvent;
class QLabel;
class QPushButton;
class QSpinBox;
class TVinduesKerne;

class TOpsamlingDialog : public QDialog {
    Q_OBJECT
public:
    explicit TOpsamlingDialog(TVinduesKerne& f, QWidget* parent = nullptr);
    ~TOpsamlingDialog() override;

    // The choices shown again for the project as it is now (tables, variables).
    void Opdater();
    bool Koerer() const { return opsamling_ && opsamling_->Koerer(); }

    void StartButtonClick();
    void StopButtonClick();

    QComboBox* PortComboBox = nullptr;
    QComboBox* BaudComboBox = nullptr;
    QSpinBox* TabelNoSpinEdit = nullptr;
    std::vector<QComboBox*> FeltComboBox;  // Felt<i>ComboBox: the variable field i goes to
    QCheckBox* TidCheckBox = nullptr;
    QComboBox* TidComboBox = nullptr;
    QPushButton* StartButton = nullptr;
    QPushButton* StopButton = nullptr;
    QLabel* AntalMaalingerLabel = nullptr;
    QLabel* RateLabel = nullptr;
    QLabel* SprungetOverLabel = nullptr;
    QLabel* StatusLabel = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void OpbygFelter();
    plotvik::TOpsamlingsValg Valg() const;
    void Modtag();
    void PortFejl(QSerialPort::SerialPortError fejl);
    // The end of a capture, by the student's Stop or by itself: the port
    // closed, the table computed and drawn with its fit, the one undo step.
    void Afslut();
    void Opfrisk();          // grid, labels and the points of the graph, at most ~20 times a second
    void VisTabel();
    void TegnLive();
    void VisTal();
    void LaasTabel(bool laast);  // the table's own commands wait while the capture writes into it
    double Sekunder() const { return ur_.nsecsElapsed() / 1e9; }

    TVinduesKerne& f_;
    QSerialPort* port_ = nullptr;
    QTimer opfrisk_;
    QElapsedTimer ur_;
    std::unique_ptr<plotvik::TOpsamling> opsamling_;
    TTabelTilstand foer_;       // the table before the capture: what its undo step brings back
    int tabel_ = 0;
    int vist_ = -1;             // the measurements the grid and graph show
    bool afslutter_ = false;
    bool liveGraf_ = true;      // false once a redraw had something to say: the end shows it
    std::vector<int> ark_;      // the graph sheets with a graph of the table
    std::array<bool, 4> kunPunkter_{};  // the sheets' own "Tegn kun punkter"
    QFormLayout* felter_ = nullptr;
    // The grid's own handling of clicks, keys and editing, put back when the capture ends.
    std::function<bool(QMouseEvent*)> klik_;
    std::function<bool(QKeyEvent*)> tast_;
    QAbstractItemView::EditTriggers udloesere_;
};
