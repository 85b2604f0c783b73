// A graph sheet ("Graf Ark 1".."Graf Ark 3"): the image Graf<s>Image with its
// canvas, the heading, the axis and limit fields, the marker choice, the
// check boxes, "Tegn graf", "Tegn Funktion" and the results list. The sheet
// copies its fields into its struct in GrafArkene before a command ("taken
// back") and shows the struct again after it; the engine's passes do the work.
#pragma once

#include <QImage>
#include <QWidget>
#include <memory>
#include <vector>

#include "core/Projekt.h"
#include "graphs/GrafArk.h"
#include "graphs/GrafTegning.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QCheckBox;
class QGroupBox;
class QListWidget;
class QMenu;
class TGrafBillede;
class TGrafZoom;
namespace plotvik {
class TGrafVisning;
}

class TGrafArkSide : public QWidget {
    Q_OBJECT
public:
    TGrafArkSide(int ark, plotvik::TProjekt& p, plotvik::TGrafArkene& arkene, plotvik::TTegneTilstand& tegning,
                 const QFont& skrift, QWidget* parent = nullptr);
    ~TGrafArkSide() override;

    int ArkNo() const { return ark_; }
    plotvik::TGrafArk& Data();  // this sheet's struct in GrafArkene

    // Fields -> struct ("taken back"), and struct -> fields; also repaints the image.
    void TagTilbage();
    void Vis();
    // The creation step: empty fields, a white image.
    void Nulstil();
    // A computed table's graph on this sheet: heading, axes, limits, graph type.
    void VisTabelGraf(const plotvik::TGrafDef& graf);
    void SaetPopupMenu(QMenu* menu);

    void TegnGrafButtonClick();
    void StatistikCheckBoxClick();
    void TegnFunktionButtonClick();
    void VisningsBoksKlik();  // one of the five boxes above
    // "Tilpas grænser" and the zoom with the mouse (GrafZoom.cpp): the four
    // limit fields are written and the sheet is drawn as by "Tegn graf".
    void TilpasGraenserButtonClick();
    void ZoomOmPixel(int px, int py, double faktor);
    void ZoomTilPixelRektangel(int x1, int y1, int x2, int y2);
    void SaetGraenserOgTegn(double xmin, double xmax, double ymin, double ymax);

    // ---- controls ----
    std::unique_ptr<plotvik::TGrafVisning> Visning;  // the picture: draw list and pixel image
    const QImage& GrafImage() const;                 // the pixels of Graf<s>Image ("Glatte linjer" off)
    TGrafBillede* GrafBilledeWidget = nullptr;       // shows the picture; objectName Graf<s>Image
    QLabel *GrafOverskriftLabel = nullptr, *GrafTypeLabel = nullptr, *PolGradLabel = nullptr;
    QLineEdit *XakseEdit = nullptr, *YakseEdit = nullptr, *xminEdit = nullptr, *xmaxEdit = nullptr,
              *yminEdit = nullptr, *ymaxEdit = nullptr, *AntalGrafPunkterEdit = nullptr;
    QGroupBox* GrafPunkterGroupBox = nullptr;
    QRadioButton *PunktRadioButton = nullptr, *KrydsRadioButton = nullptr, *CirkelRadioButton = nullptr,
                 *RuderRadioButton = nullptr;
    QListWidget* GrafResultaterListBox = nullptr;
    QCheckBox *StatistikCheckBox = nullptr, *TegnKunPunkterCheckBox = nullptr, *BeholdGrafCheckBox = nullptr;
    // Logarithmic axes, the residuals under the graph and the error bars of
    // the points' uncertainties; a click redraws a graph already drawn.
    QCheckBox *LogXCheckBox = nullptr, *LogYCheckBox = nullptr, *ResidualerCheckBox = nullptr,
              *FejlstaengerXCheckBox = nullptr, *FejlstaengerYCheckBox = nullptr;
    QPushButton *TegnGrafButton = nullptr, *TegnFunktionButton = nullptr;
    QPushButton* TilpasGraenserButton = nullptr;  // "Tilpas grænser"

signals:
    // A press on the image, in image pixels: the graph tools work across sheets.
    void MusNed(int ark, Qt::MouseButton knap, int x, int y);

private:
    void Opbyg();

    int ark_;
    plotvik::TProjekt& p_;
    plotvik::TGrafArkene& arkene_;
    plotvik::TTegneTilstand& tegning_;
    // The fields that show once a table has been computed.
    std::vector<QWidget*> felter_;
    TGrafZoom* zoom_ = nullptr;  // wheel and rectangle zoom on the image
};
