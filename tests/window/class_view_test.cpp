// What a class sees: only the current airfoil's results, the status line, axes and values that
// never overlap, the operating point kept in view, and a window that grows for a projector.
#include <QApplication>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "plot/axes_layer.h"
#include "plot/edge_marker.h"
#include "window/form1.h"
#include "window/picture_widget.h"
#include "window_test_support.h"

using namespace vantrel;
using namespace vantrel::testing;

class ClassViewTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = std::make_unique<WindowSession>();
    QVERIFY(window_->exposed());
    for (const char* name : {"naca2412.nca", "naca0012.nca"}) {
      QFile::copy(QStringLiteral(VANTREL_SAMPLES "/") + name, window_->scratch.filePath(name));
    }
  }
  void cleanup() { window_.reset(); }

  // Read A, CALCULATE, read B: none of A's results stay, and a scroll only moves its box.
  void aNewAirfoilShowsNoneOfThePreviousResults() {
    Form1& form = window_->form;
    const Form1Widgets& w = form.widgets();
    read("naca2412.nca");
    calculate("4");
    QVERIFY(w.Lbl_LSQ->isVisible());
    const QByteArray log = readFileBytes("Poly5.txt");
    read("naca0012.nca");
    for (QLineEdit* box : {w.Text_Alfa0, w.Text_CmAC, w.Text_CL, w.Text_Cmx}) {
      QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    }
    for (Picture picture : {Picture::Picture_CL, Picture::Picture_Cmx, Picture::Picture_Load}) {
      QVERIFY(form.picture(picture).operations().empty());
    }
    QVERIFY(!w.Lbl_LSQ->isVisible());
    QVERIFY(!w.Lbl_Degree->isVisible());
    QVERIFY(form.ortak().A.empty());
    QCOMPARE(form.statusText(),
             QString("No results yet  |  NACA 0012 (naca0012.nca), 41 stations"));
    w.HScroll_Alfa->setValue(130);
    QCOMPARE(w.Text_Alfa->text(), QString("3"));
    QVERIFY(w.Text_CL->text().isEmpty());
    QVERIFY(form.picture(Picture::Picture_CL).operations().empty());
    QCOMPARE(readFileBytes("Poly5.txt"), log);
    QVERIFY(window_->log.messages().isEmpty());
  }

  void numericalIntegrationWithoutAnAirfoilOnlyTells() {
    const WindowSnapshot before(window_->form);
    window_->form.menu().Mn_Numerical->trigger();
    QCOMPARE(window_->log.messages(), QStringList{"Open an airfoil data file"});
    QVERIFY(WindowSnapshot(window_->form) == before);
  }

  void statusLineNamesTheMethod() {
    read("naca2412.nca");
    calculate("4");
    QCOMPARE(window_->form.statusText(),
             QString::fromUtf8("Least squares, degree 4, with end conditions  |  α = 0°, xM/c = 0  "
                               "|  NACA 2412 (naca2412.nca), 41 stations"));
  }

  // At the designed size, twice it and on a 3840 x 2160 screen: every axis text inside its
  // picture, apart from the others and from the operating point; pens and menus grow too.
  void axesAndValuesNeverOverlapAtAnySize() {
    Form1& form = window_->form;
    read("naca2412.nca");
    calculate("4");
    form.widgets().HScroll_Alfa->setValue(150);
    form.widgets().HScroll_xM->setValue(60);
    form.setAxesShown(true);
    const double menuFont = form.menuBar()->font().pointSizeF();
    for (const QSize& surface : {QSize(636, 464), QSize(1272, 928), QSize(3840, 2040)}) {
      QVERIFY(resizeSurfaceTo(form, surface));
      const double scale = form.pictureWidget(Picture::Picture_CL)->layers().scale;
      const double menuGrowth = form.menuBar()->font().pointSizeF() / menuFont;
      QVERIFY2(menuGrowth > 0.8 * scale && menuGrowth < 1.25 * scale,
               qPrintable(QString("%1 %2").arg(menuGrowth).arg(scale)));
      for (Picture area : kAllPictures) {
        const PictureWidget* widget = form.pictureWidget(area);
        const PictureLayers layers = widget->layers();
        QVERIFY(layers.axes.has_value());
        QVERIFY(layers.penWidth >= 1);
        QVERIFY(std::abs(layers.penWidth - std::max(1.0, layers.scale)) < 1e-9);
        const Overlay overlay = axesAndValues(widget->box(), *layers.axes, widget->width(),
                                              widget->height(), axesFontPixels(layers.scale));
        QVERIFY2(overlay.texts.size() >= 5, nameOf(area));
        const auto circle = operatingPointBox(widget->box(), widget->width(), widget->height());
        for (std::size_t i = 0; i < overlay.texts.size(); ++i) {
          const OverlayText& text = overlay.texts[i];
          const PixelBox box{text.left, text.top, text.right(), text.bottom()};
          QVERIFY(box.left >= 0 && box.top >= 0);
          QVERIFY(box.right <= widget->width() && box.bottom <= widget->height());
          QVERIFY(!circle || !box.overlaps(*circle));
          for (std::size_t j = i + 1; j < overlay.texts.size(); ++j) {
            const OverlayText& other = overlay.texts[j];
            QVERIFY(!box.overlaps({other.left, other.top, other.right(), other.bottom()}));
          }
        }
      }
      // No label of the window is cut short.
      for (QLabel* label : form.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->wordWrap() || label == form.statusLabel()) continue;
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width() + 1,
                 qPrintable(label->objectName()));
      }
    }
  }

  // The scale stays as drawn; a circle beyond it is shown by a marker at the edge.
  void anOperatingPointOutsideTheScaleIsMarkedAtTheEdge() {
    Form1& form = window_->form;
    read("naca2412.nca");
    calculate("4");
    form.widgets().Text_Alfa->setText("30");
    QTest::keyClick(form.widgets().Text_Alfa, Qt::Key_Return);
    PictureWidget* lift = form.pictureWidget(Picture::Picture_CL);
    const Overlay marker = operatingPointMarker(lift->box(), lift->width(), lift->height(), 1);
    QCOMPARE(marker.lines.size(), std::size_t(4));
    const QImage shot = lift->grab().toImage();
    const QPoint tip(int(marker.lines[0].x2), int(marker.lines[0].y2));
    bool blueNearTip = false;
    for (int dx = -3; dx <= 3; ++dx) {
      for (int dy = -3; dy <= 3; ++dy) {
        const QColor c = shot.pixelColor(std::clamp(tip.x() + dx, 0, shot.width() - 1),
                                         std::clamp(tip.y() + dy, 0, shot.height() - 1));
        blueNearTip = blueNearTip || (c.blue() > 200 && c.red() < 120);
      }
    }
    QVERIFY(blueNearTip);
  }

  // Typed beyond the plots' scales: both plots point to the operating point with a whole arrow.
  void typedAlfaBeyondThePlotsGivesWholeArrows_data() {
    QTest::addColumn<QString>("alfa");
    QTest::newRow("12") << "12";
    QTest::newRow("11") << "11";
    QTest::newRow("-9") << "-9";
    QTest::newRow("40") << "40";
  }
  void typedAlfaBeyondThePlotsGivesWholeArrows() {
    QFETCH(QString, alfa);
    Form1& form = window_->form;
    read("naca2412.nca");
    form.menu().Mn_Numerical->trigger();
    form.widgets().Text_Alfa->setText(alfa);
    QTest::keyClick(form.widgets().Text_Alfa, Qt::Key_Return);
    for (Picture area : {Picture::Picture_CL, Picture::Picture_Cmx}) {
      PictureWidget* plot = form.pictureWidget(area);
      const auto circle = operatingPointBox(plot->box(), plot->width(), plot->height());
      QVERIFY(circle);
      const double x = (circle->left + circle->right) / 2, y = (circle->top + circle->bottom) / 2;
      const bool centreOutside =
          x < 1 || x > plot->width() - 1 || y < 1 || y > plot->height() - 1;
      const Overlay marker = operatingPointMarker(plot->box(), plot->width(), plot->height(), 1);
      QCOMPARE(marker.lines.size(), centreOutside ? std::size_t(4) : std::size_t(0));
      for (const OverlayLine& line : marker.lines) {
        for (double px : {line.x1, line.x2}) QVERIFY(px >= 1 && px <= plot->width() - 1);
        for (double py : {line.y1, line.y2}) QVERIFY(py >= 1 && py <= plot->height() - 1);
      }
    }
  }

  // At the default size the status line keeps the values in use in view after every method, and
  // its tooltip, the whole line, stays inside the window.
  void statusLineFitsAtTheDefaultSize_data() {
    QTest::addColumn<QString>("method");
    QTest::newRow("least squares") << "least squares";
    QTest::newRow("numerical") << "numerical";
    QTest::newRow("lumped vortex") << "lumped vortex";
    QTest::newRow("lumped vortex, then a scroll") << "lumped vortex, then a scroll";
  }
  void statusLineFitsAtTheDefaultSize() {
    QFETCH(QString, method);
    Form1& form = window_->form;
    QCOMPARE(form.centralWidget()->size(), QSize(636, 464));
    read("naca2412.nca");
    form.widgets().Text_Alfa->setText("4");
    form.widgets().Text_xM->setText("0.5");
    QTest::keyClick(form.widgets().Text_xM, Qt::Key_Return);
    if (method == "least squares") {
      calculate("4");
    } else {
      form.menu().Mn_Numerical->trigger();
    }
    if (method.startsWith("lumped vortex")) form.menu().Mn_LumpVM->trigger();
    if (method.endsWith("scroll")) form.widgets().HScroll_Alfa->setValue(150);
    QLabel* status = form.statusLabel();
    QVERIFY2(
        status->fontMetrics().horizontalAdvance(status->text()) <= status->contentsRect().width(),
        qPrintable(status->text()));
    QVERIFY2(
        status->text().contains(QString::fromUtf8("α = ")) && status->text().contains("xM/c = 0.5"),
        qPrintable(status->text()));

    QHelpEvent help(QEvent::ToolTip, QPoint(status->width() - 2, status->height() / 2),
                    status->mapToGlobal(QPoint(status->width() - 2, status->height() / 2)));
    QCoreApplication::sendEvent(status, &help);
    QWidget* tip = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->inherits("QTipLabel") && widget->isVisible()) tip = widget;
    }
    QVERIFY(tip);
    const QRect window = form.frameGeometry();
    QVERIFY2(window.contains(tip->geometry()),
             qPrintable(QString("tip %1,%2 %3x%4 in window %5,%6 %7x%8")
                            .arg(tip->x())
                            .arg(tip->y())
                            .arg(tip->width())
                            .arg(tip->height())
                            .arg(window.x())
                            .arg(window.y())
                            .arg(window.width())
                            .arg(window.height())));
    QCOMPARE(tip->property("text").toString().replace('\n', ' ').remove(';').simplified(),
             QString(form.statusText()).replace("  |  ", " ").remove(';').simplified());
  }

  // The arrows of both bars grow with the window as the bars do.
  void scrollBarArrowsGrowWithTheWindow() {
    Form1& form = window_->form;
    const auto arrowWidth = [](QScrollBar* bar) {
      QStyleOptionSlider option;
      option.initFrom(bar);
      option.orientation = bar->orientation();
      option.minimum = bar->minimum();
      option.maximum = bar->maximum();
      option.sliderPosition = bar->value();
      option.sliderValue = bar->value();
      option.singleStep = bar->singleStep();
      option.pageStep = bar->pageStep();
      option.subControls = QStyle::SC_All;
      return bar->style()
          ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, bar)
          .width();
    };
    form.resize(1600, 1000);
    QCoreApplication::processEvents();
    for (QScrollBar* bar : {form.widgets().HScroll_Alfa, form.widgets().HScroll_xM}) {
      QVERIFY2(bar->height() > 30, qPrintable(QString::number(bar->height())));
      QVERIFY2(arrowWidth(bar) >= bar->height() - 1,
               qPrintable(QString("%1 for a bar %2 high").arg(arrowWidth(bar)).arg(bar->height())));
    }
  }

 private:
  void read(const char* name) {
    chooseAirfoil(window_->form, window_->scratch.path(), name);
    QVERIFY(window_->form.FileLoaded());
  }
  void calculate(const char* degree) {
    window_->form.menu().Mn_Polynomial->trigger();
    window_->form.widgets().Text_N->setText(degree);
    QTest::mouseClick(window_->form.widgets().Cmnd_LSQM, Qt::LeftButton);
    QVERIFY(window_->log.messages().isEmpty());
  }

  std::unique_ptr<WindowSession> window_;
};

QTEST_MAIN(ClassViewTest)
#include "class_view_test.moc"
