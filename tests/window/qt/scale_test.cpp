// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// At any scale the window is the same drawing, only larger: every control where the design puts
// it, within a device pixel; every edge of the readout frames, of the body and of a painted band
// on the screen, one line each; no band colour outside its band or the body; no text cut off.
// Qt takes the scale when it starts, so each factor is drawn and judged by a process of its own
// (this program again, with --render FACTOR).
#include "tests/support/form_driver.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <cstring>

using zerapol::testing::FormDriver;
using zerapol::testing::kWindowBackground;

namespace {

struct Twips {
    const char* name;
    int left, top, width, height;
};

// The design, in twips: 15 to the logical pixel.
constexpr Twips kDesign[] = {
    {"Command1", 3120, 1200, 1455, 495}, {"Combo1", 240, 600, 1335, 315},
    {"Combo5", 6480, 600, 1335, 315},    {"Picture1", 1920, 2280, 495, 1215},
    {"Picture2", 2760, 2280, 495, 1215}, {"Picture3", 3600, 2280, 495, 1215},
    {"Picture4", 4440, 2280, 495, 1215}, {"Picture5", 5280, 2280, 495, 1215},
    {"Shape1", 1680, 2280, 4335, 1215},  {"Shape2", 1800, 4200, 1095, 375},
    {"Shape3", 3000, 4200, 1935, 375},   {"Shape4", 5040, 4200, 975, 375},
    {"Label1", 1800, 4200, 375, 375},    {"Label2", 3000, 4200, 1935, 375},
    {"Label3", 5040, 4200, 975, 375},    {"Label4", 3360, 3840, 1215, 255},
    {"Label5", 5040, 3840, 975, 255},
};

// The bands as pressed: colours close to the background, the widest multiplier and tolerance.
const char* const kNames[] = {"Bela", "Siva", "Crvena", "Ljubicasta", "Plava"};
const QColor kColours[] = {
    {255, 255, 255}, {192, 192, 192}, {255, 0, 0}, {192, 0, 192}, {60, 137, 232}};
const char* const kSwatches[] = {"Picture1", "Picture2", "Picture3", "Picture4", "Picture5"};

class Judge {
public:
    Judge(FormDriver& driver, qreal scale)
        : m_driver(driver), m_scale(scale), m_image(driver.form().grab().toImage()) {}

    QStringList failures() const { return m_failures; }

    /// The device pixels a control covers: as Qt clips it, each edge rounded.
    QRect covered(const char* name) const {
        const QRect logical = m_driver.form().findChild<QWidget*>(name)->geometry();
        return QRect(QPoint(qRound(logical.left() * m_scale), qRound(logical.top() * m_scale)),
                     QPoint(qRound((logical.right() + 1) * m_scale) - 1,
                            qRound((logical.bottom() + 1) * m_scale) - 1));
    }

    void placesFollowTheDesign() {
        for (const Twips& design : kDesign) {
            const QRect seen = covered(design.name);
            const qreal s = m_scale / 15.0;
            if (std::abs(seen.x() - design.left * s) > 1 ||
                std::abs(seen.y() - design.top * s) > 1 ||
                std::abs(seen.width() - design.width * s) > 1 ||
                std::abs(seen.height() - design.height * s) > 1) {
                fail(QStringLiteral("%1 covers %2,%3 %4x%5")
                         .arg(design.name)
                         .arg(seen.x())
                         .arg(seen.y())
                         .arg(seen.width())
                         .arg(seen.height()));
            }
        }
    }

    /// Across an edge, from a little outside to a little inside: exactly one dark line, and it
    /// lies on the edge.
    void oneLineAcross(const QString& what, QPoint from, QPoint step, int length, int expectedAt) {
        int runs = 0;
        int first = -1;
        bool inRun = false;
        for (int i = 0; i < length; ++i) {
            const QPoint at = from + step * i;
            const bool dark =
                m_image.rect().contains(at) && m_image.pixelColor(at).lightness() < 110;
            if (dark && !inRun) {
                ++runs;
                if (first < 0) {
                    first = i;
                }
            }
            inRun = dark;
        }
        if (runs != 1 || std::abs(first - expectedAt) > 1) {
            fail(QStringLiteral("%1: %2 lines, the first at %3 instead of %4")
                     .arg(what)
                     .arg(runs)
                     .arg(first)
                     .arg(expectedAt));
        }
    }

    void edgesOf(const char* name, int reachInside) {
        const QRect d = covered(name);
        const int out = 3;
        const int length = out + reachInside;
        // Near a corner, away from the readouts' text and the body's leads.
        const int y = d.top() + d.height() / 4;
        const int x = d.left() + std::max(6, d.width() / 6);
        oneLineAcross(QStringLiteral("%1 left").arg(name), {d.left() - out, y}, {1, 0}, length,
                      out);
        oneLineAcross(QStringLiteral("%1 right").arg(name), {d.right() + out, y}, {-1, 0}, length,
                      out);
        oneLineAcross(QStringLiteral("%1 top").arg(name), {x, d.top() - out}, {0, 1}, length, out);
        oneLineAcross(QStringLiteral("%1 bottom").arg(name), {x, d.bottom() + out}, {0, -1}, length,
                      out);
    }

    void framesAndBody() {
        const int inside = qRound(3 * m_scale); // short of any readout's text
        for (const char* frame : {"Shape2", "Shape3", "Shape4"}) {
            edgesOf(frame, inside);
        }
        edgesOf("Shape1", qRound(3 * m_scale) + 2);
    }

    void bandsStayInsideTheirEdgesAndTheBody() {
        const QRect body = covered("Shape1");
        for (int band = 0; band < 5; ++band) {
            const QRect d = covered(kSwatches[band]);
            const int y = d.top() + d.height() / 2;
            const QString name = QString::fromLatin1(kSwatches[band]);
            // Each side: the swatch's dark edge, then its colour.
            oneLineAcross(name + QStringLiteral(" left edge"), {d.left() - 3, y}, {1, 0}, 5, 3);
            oneLineAcross(name + QStringLiteral(" right edge"), {d.right() + 3, y}, {-1, 0}, 5, 3);
            const int edge = std::max(1, qRound(m_scale));
            if (m_image.pixelColor(d.left() + edge, y) != kColours[band] ||
                m_image.pixelColor(d.right() - edge, y) != kColours[band]) {
                fail(name + QStringLiteral(" is not its colour inside its edge"));
            }
            for (int dx = 1; dx <= 3; ++dx) {
                if (m_image.pixelColor(d.left() - dx, y) == kColours[band] ||
                    m_image.pixelColor(d.right() + dx, y) == kColours[band]) {
                    fail(name + QStringLiteral(" shows its colour beside itself"));
                }
            }
            for (const int row : {body.top() - 1, body.bottom() + 1}) {
                for (int x = d.left(); x <= d.right(); ++x) {
                    if (m_image.pixelColor(x, row) != kWindowBackground) {
                        fail(name + QStringLiteral(" shows outside the body"));
                        break;
                    }
                }
            }
        }
    }

    void noTextCutOff() {
        const auto fits = [&](QWidget* widget, const QString& text, int room) {
            const int needed = QFontMetrics(widget->font(), widget).horizontalAdvance(text);
            if (needed > room) {
                fail(QStringLiteral("\"%1\" needs %2 px in %3, which has %4")
                         .arg(text)
                         .arg(needed)
                         .arg(widget->objectName())
                         .arg(room));
            }
        };
        for (int band = 1; band <= 5; ++band) {
            QLineEdit* field = m_driver.selector(band)->lineEdit();
            // QLineEdit keeps two pixels of margin on either side of its text.
            fits(field, QStringLiteral("Izaberite boju"), field->contentsRect().width() - 4);
        }
        for (const auto& [name, text] : {std::pair{"Label2", "0,000,000"},
                                         {"Label3", "0.25%"},
                                         {"Label4", "Broj nula"},
                                         {"Label5", "Tolerancija"}}) {
            auto* label = m_driver.form().findChild<QLabel*>(name);
            // Inside the frame's line on either side.
            fits(label, QString::fromLatin1(text), label->width() - 2);
        }
    }

private:
    void fail(const QString& what) { m_failures << what; }

    FormDriver& m_driver;
    qreal m_scale;
    QImage m_image;
    QStringList m_failures;
};

int renderAndJudge(qreal scale) {
    FormDriver driver;
    if (!driver.show()) {
        std::puts("the window was never shown");
        return 1;
    }
    for (int band = 1; band <= 5; ++band) {
        driver.type(band, QString::fromLatin1(kNames[band - 1]));
    }
    driver.pressOk();
    Judge judge(driver, driver.form().devicePixelRatioF());
    if (std::abs(driver.form().devicePixelRatioF() - scale) > 0.001) {
        std::printf("drawn at %g, not %g\n", driver.form().devicePixelRatioF(), scale);
        return 1;
    }
    judge.placesFollowTheDesign();
    judge.framesAndBody();
    judge.bandsStayInsideTheirEdgesAndTheBody();
    judge.noTextCutOff();
    for (const QString& failure : judge.failures()) {
        std::printf("%s\n", qPrintable(failure));
    }
    return judge.failures().isEmpty() ? 0 : 1;
}

} // namespace

class ScaleTest : public QObject {
    Q_OBJECT

private slots:
    void theSameDrawingAtEveryScale_data() {
        QTest::addColumn<QString>("factor");
        for (int step = 0; step <= 30; ++step) {
            const QString factor = QString::number(1.0 + step * 0.05, 'f', 2);
            QTest::newRow(qPrintable("QT_SCALE_FACTOR " + factor)) << factor;
        }
        // What an X desktop's Xft.dpi gives Qt: that density over 96.
        for (const int dpi : {100, 104, 110, 112, 116, 125, 128, 136, 140, 150}) {
            QTest::newRow(qPrintable(QStringLiteral("Xft.dpi %1").arg(dpi)))
                << QString::number(dpi / 96.0, 'g', 10);
        }
    }
    void theSameDrawingAtEveryScale() {
        QFETCH(QString, factor);
        QProcess render;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), factor);
        environment.insert(QStringLiteral("QT_SCALE_FACTOR_ROUNDING_POLICY"),
                           QStringLiteral("PassThrough"));
        render.setProcessEnvironment(environment);
        render.setProcessChannelMode(QProcess::MergedChannels);
        render.start(QCoreApplication::applicationFilePath(), {"--render", factor});
        QVERIFY(render.waitForFinished(60000));
        const QByteArray output = render.readAll();
        QVERIFY2(render.exitStatus() == QProcess::NormalExit && render.exitCode() == 0,
                 output.constData());
    }
};

int main(int argc, char* argv[]) {
    if (argc == 3 && std::strcmp(argv[1], "--render") == 0) {
        QApplication app(argc, argv);
        return renderAndJudge(std::atof(argv[2]));
    }
    QApplication app(argc, argv);
    ScaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "scale_test.moc"
