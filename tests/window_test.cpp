// Both windows, driven through their real widgets offscreen.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "programs/catalogue.h"
#include "window/chart.h"
#include "window/radio_group.h"
#include "window/tform1.h"

namespace {

std::unique_ptr<TForm1> MakeForm(const QString& program)
{
    return OpenProgram(program.toStdString());
}

template <class T>
T* Child(const TForm1& form, const char* name)
{
    T* w = form.findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

QString Text(const TForm1& form, const char* label)
{
    return Child<QLabel>(form, label)->text();
}

std::vector<double> Stored(const SampleSeries& s)
{
    return s.StoredY();
}

// Collects what the readout would show, instead of a modal box.
struct Messages {
    explicit Messages(TForm1& form)
    {
        form.setMessageSink([this](QWidget*, const QString& title, const QString& text) {
            titles << title;
            texts << text;
        });
    }
    QStringList titles;
    QStringList texts;
};

QPoint At(PixelPoint p)
{
    return {p.x, p.y};
}

void AddProgramRows()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("pontel") << "pontel";
    QTest::newRow("dravik") << "dravik";
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        SetUpApplication();
    }
    void init()
    {
        QLocale::setDefault(QLocale(QStringLiteral("ru_RU")));
    }

    void startUp_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("samples");
        QTest::addColumn<double>("lastMs");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("pontel") << "pontel" << 1500 << 29.98
                                << QStringList{"Label1", "R1 0,5", "Label2", "C1 470 мк", "Label3", "Rн 300", "Label4",
                                               "Начальная фаза 0 град."};
        QTest::newRow("dravik") << "dravik" << 3000 << 29.99
                                << QStringList{"Label1", "R1 0,5", "Label2", "C1 470 мк", "Label3", "Rн 300", "Label4",
                                               "Начальная фаза 0 град.", "Label5", "Rп 0,01", "Label6", "L1 0,1 мГн"};
    }
    void startUp()
    {
        QFETCH(QString, program);
        QFETCH(int, samples);
        QFETCH(double, lastMs);
        QFETCH(QStringList, captions);
        const auto form = MakeForm(program);

        QCOMPARE(form->windowTitle(), QStringLiteral("Модель выпрямителя"));
        QCOMPARE(form->size(), QSize(TForm1::ClientWidth, TForm1::ClientHeight));
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(int(form->run().Series1().Count()), samples);
        QCOMPARE(int(form->run().Series3().Count()), samples);

        const Chart* chart = Child<Chart>(*form, "Chart1");
        QCOMPARE(chart->geometry(), QRect(4, 0, 505, 250));
        QCOMPARE(chart->bottomAxis().min, 0.0);
        QVERIFY(std::fabs(chart->bottomAxis().max - lastMs) < 1e-9);
        QCOMPARE(chart->leftAxis().min, 0.0);
        QCOMPARE(chart->leftAxis().max, 800.0);
        QCOMPARE(chart->rightAxis().min, -400.0);
        QCOMPARE(chart->rightAxis().max, 400.0);
        QVERIFY(!chart->reduced(2).empty());

        for (int i = 0; i < captions.size(); i += 2)
            QCOMPARE(Text(*form, qPrintable(captions[i])), captions[i + 1]);
        QVERIFY(Child<QToolButton>(*form, "ShrinkButton")->isEnabled());
        QVERIFY(Child<QToolButton>(*form, "GrowButton")->isEnabled());
        QCOMPARE(Child<RadioGroup>(*form, "ImaxGroup")->itemIndex(), 0);
        QCOMPARE(Child<RadioGroup>(*form, "CFGroup")->itemIndex(), 4);
        QCOMPARE(Child<RadioGroup>(*form, "CFGroup")->item(2)->text(), QStringLiteral("2200"));
        QCOMPARE(Child<RadioGroup>(*form, "CFGroup")->item(3)->text(), QStringLiteral("1000"));
        QCOMPARE(Child<QSlider>(*form, "R2track")->value(), 300);
        QCOMPARE(form->findChild<QSlider*>("L1track") != nullptr, program == "dravik");
    }

    // Keys on a focused slider move it and recompute; the lower limits hold.
    void sliderKeys_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("slider");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        for (const char* program : {"pontel", "dravik"}) {
            const auto row = [program](const char* name) -> QTestData& { return QTest::addRow("%s %s", program, name); };
            row("R1 right") << program << "R1track" << int(Qt::Key_Right) << 6 << "Label1" << "R1 0,6";
            row("R1 page up") << program << "R1track" << int(Qt::Key_PageUp) << 7 << "Label1" << "R1 0,7";
            row("R1 home snaps") << program << "R1track" << int(Qt::Key_Home) << 2 << "Label1" << "R1 0,2";
            row("R1 left") << program << "R1track" << int(Qt::Key_Left) << 4 << "Label1" << "R1 0,4";
            row("R2 home snaps") << program << "R2track" << int(Qt::Key_Home) << 10 << "Label3" << "Rн 10";
            row("R2 end") << program << "R2track" << int(Qt::Key_End) << 1000 << "Label3" << "Rн 1000";
            row("Fi0 home") << program << "Fi0track" << int(Qt::Key_Home) << -180 << "Label4"
                            << "Начальная фаза -180 град.";
            row("Fi0 right") << program << "Fi0track" << int(Qt::Key_Right) << 1 << "Label4" << "Начальная фаза 1 град.";
        }
        QTest::newRow("dravik L1 home snaps") << "dravik" << "L1track" << int(Qt::Key_Home) << 1 << "Label6" << "L1 0,1 мГн";
        QTest::newRow("dravik L1 page down") << "dravik" << "L1track" << int(Qt::Key_PageDown) << 1 << "Label6"
                                             << "L1 0,1 мГн";
        QTest::newRow("dravik L1 end") << "dravik" << "L1track" << int(Qt::Key_End) << 100 << "Label6" << "L1 10,0 мГн";
        QTest::newRow("dravik R3 home") << "dravik" << "R3track" << int(Qt::Key_Home) << 0 << "Label5" << "Rп 0,00";
        QTest::newRow("dravik R3 right") << "dravik" << "R3track" << int(Qt::Key_Right) << 2 << "Label5" << "Rп 0,02";
    }
    void sliderKeys()
    {
        QFETCH(QString, program);
        QFETCH(QString, slider);
        QFETCH(int, key);
        QFETCH(int, position);
        QFETCH(QString, label);
        QFETCH(QString, caption);
        const auto form = MakeForm(program);
        const std::vector<double> before = Stored(form->run().Series3());
        QSlider* s = Child<QSlider>(*form, qPrintable(slider));
        const int designed = s->value();
        s->setFocus();
        QTest::keyClick(s, Qt::Key(key));
        QCOMPARE(s->value(), position);
        QCOMPARE(Text(*form, qPrintable(label)), caption);
        QCOMPARE(Stored(form->run().Series3()) != before, position != designed);
    }

    // A press on the track beside the thumb moves it by two.
    void sliderTrackClick()
    {
        const auto form = MakeForm("pontel");
        QSlider* s = Child<QSlider>(*form, "R2track");
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() - 5, s->height() / 3));
        QCOMPARE(s->value(), 302);
        QCOMPARE(Text(*form, "Label3"), QStringLiteral("Rн 302"));
    }

    void capacitanceItems_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("caption");
        QTest::newRow("pontel 22") << "pontel" << 8 << "C1 22 мк";
        QTest::newRow("pontel 10000") << "pontel" << 0 << "C1 10000 мк";
        QTest::newRow("dravik 22") << "dravik" << 8 << "C1 22 мк";
        QTest::newRow("dravik 1000") << "dravik" << 3 << "C1 1000 мк";
    }
    void capacitanceItems()
    {
        QFETCH(QString, program);
        QFETCH(int, item);
        QFETCH(QString, caption);
        const auto form = MakeForm(program);
        const std::vector<double> before = Stored(form->run().Series3());
        QRadioButton* b = Child<RadioGroup>(*form, "CFGroup")->item(item);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
        QCOMPARE(Child<RadioGroup>(*form, "CFGroup")->itemIndex(), item);
        QCOMPARE(Text(*form, "Label2"), caption);
        QVERIFY(Stored(form->run().Series3()) != before);
        QCOMPARE(form->run().model().GetC(1), CValues[item]);
    }

    // The current scale only rescales the axis: a run would pick up the silently moved load.
    void currentScaleDoesNotRecompute_data() { AddProgramRows(); }
    void currentScaleDoesNotRecompute()
    {
        QFETCH(QString, program);
        const auto form = MakeForm(program);
        const std::vector<double> before = Stored(form->run().Series3());
        QSlider* load = Child<QSlider>(*form, "R2track");
        load->blockSignals(true);
        load->setValue(50);
        load->blockSignals(false);

        RadioGroup* scale = Child<RadioGroup>(*form, "ImaxGroup");
        for (const int item : {5, 1, 0}) {
            QTest::mouseClick(scale->item(item), Qt::LeftButton, {}, QPoint(6, scale->item(item)->height() / 2));
            QCOMPARE(Child<Chart>(*form, "Chart1")->leftAxis().max, ImaxValues[item]);
        }
        QCOMPARE(Stored(form->run().Series3()), before);
        QCOMPARE(Text(*form, "Label3"), QStringLiteral("Rн 300"));

        // and a sweep change keeps the chosen scale
        QTest::mouseClick(scale->item(5), Qt::LeftButton, {}, QPoint(6, scale->item(5)->height() / 2));
        QTest::mouseClick(Child<QToolButton>(*form, "GrowButton"), Qt::LeftButton);
        QCOMPARE(Child<Chart>(*form, "Chart1")->leftAxis().max, 16.0);
    }

    void sweepBounds_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("stepsPerHalfPeriod");
        QTest::newRow("pontel") << "pontel" << 500;
        QTest::newRow("dravik") << "dravik" << 1000;
    }
    void sweepBounds()
    {
        QFETCH(QString, program);
        QFETCH(int, stepsPerHalfPeriod);
        const auto form = MakeForm(program);
        QToolButton* shrink = Child<QToolButton>(*form, "ShrinkButton");
        QToolButton* grow = Child<QToolButton>(*form, "GrowButton");
        const Chart* chart = Child<Chart>(*form, "Chart1");

        QTest::mouseClick(shrink, Qt::LeftButton);
        QTest::mouseClick(shrink, Qt::LeftButton);
        QCOMPARE(int(form->run().Series2().Count()), stepsPerHalfPeriod);
        QVERIFY(!shrink->isEnabled());
        QVERIFY(grow->isEnabled());
        QVERIFY(chart->bottomAxis().max < 10.0 && chart->bottomAxis().max > 9.9);
        QTest::mouseClick(shrink, Qt::LeftButton);  // disabled: nothing happens
        QCOMPARE(form->run().halfPeriods(), 1);

        QTest::mouseClick(grow, Qt::LeftButton);
        QVERIFY(shrink->isEnabled());
        for (int i = 0; i < 18; ++i)
            QTest::mouseClick(grow, Qt::LeftButton);
        QCOMPARE(form->run().halfPeriods(), 20);
        QVERIFY(!grow->isEnabled());
        QCOMPARE(int(form->run().Series1().Count()), 20 * stepsPerHalfPeriod);
        QVERIFY(chart->bottomAxis().max < 200.0 && chart->bottomAxis().max > 199.9);
        QCOMPARE(shrink->focusPolicy(), Qt::NoFocus);
    }

    void captionsFollowTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("r1");
        QTest::addColumn<QString>("rp");
        QTest::addColumn<QString>("axis");
        QTest::newRow("ru_RU") << "ru_RU" << "R1 0,5" << "Rп 0,01" << "0,5";
        QTest::newRow("de_DE") << "de_DE" << "R1 0,5" << "Rп 0,01" << "0,5";
        QTest::newRow("en_US") << "en_US" << "R1 0.5" << "Rп 0.01" << "0.5";
    }
    void captionsFollowTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, r1);
        QFETCH(QString, rp);
        QFETCH(QString, axis);
        QLocale::setDefault(QLocale(locale));
        const auto form = MakeForm("dravik");
        QCOMPARE(Text(*form, "Label1"), r1);
        QCOMPARE(Text(*form, "Label5"), rp);
        QCOMPARE(AxisLabel(QLocale(locale), 0.5), axis);
        QCOMPARE(AxisLabel(QLocale(locale), -400), QLocale(locale).toString(-400));
        QCOMPARE(AxisLabel(QLocale(locale), 27.5).right(1), QStringLiteral("5"));
    }

    void changeAndBack_data() { AddProgramRows(); }
    void changeAndBack()
    {
        QFETCH(QString, program);
        const auto form = MakeForm(program);
        const std::vector<double> s1 = Stored(form->run().Series1()), s3 = Stored(form->run().Series3());
        QSlider* load = Child<QSlider>(*form, "R2track");
        load->setValue(150);
        QCOMPARE(Text(*form, "Label3"), QStringLiteral("Rн 150"));
        QVERIFY(Stored(form->run().Series3()) != s3);
        load->setValue(300);
        QCOMPARE(Stored(form->run().Series1()), s1);
        QCOMPARE(Stored(form->run().Series3()), s3);
    }

    void tabOrder_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("pontel") << "pontel" << QStringList{"R1track", "Fi0track", "R2track", "470", "800", "R1track"};
        QTest::newRow("dravik") << "dravik"
                                << QStringList{"R1track", "Fi0track", "R2track", "470", "R3track", "L1track", "800"};
    }
    void tabOrder()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, order);
        const auto form = MakeForm(program);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        Child<RadioGroup>(*form, "ImaxGroup")->item(0)->setFocus();
        for (const QString& expected : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* w = QApplication::focusWidget();
            QVERIFY(w);
            const auto* radio = qobject_cast<QRadioButton*>(w);
            QCOMPARE(radio ? radio->text() : w->objectName(), expected);
        }
    }

    // The readout text for a reported sample, in the program's own name.
    void readoutText()
    {
        const auto form = MakeForm("pontel");
        Messages shown(*form);
        form->Chart1ClickSeries(1, 50);
        QCOMPARE(shown.titles, QStringList{"Pontel"});
        QCOMPARE(shown.texts, QStringList{"t=1,0 мc,  Iвх=44,1 A,  Uвх=96,1 В,  Uн=74,6 В"});
    }

    // Real presses on the chart, at the pixels the samples are drawn at.
    void pressOnCurves_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("title");
        QTest::newRow("pontel") << "pontel" << "Pontel";
        QTest::newRow("dravik") << "dravik" << "Dravik";
    }
    void pressOnCurves()
    {
        QFETCH(QString, program);
        QFETCH(QString, title);
        const auto form = MakeForm(program);
        Messages shown(*form);
        Chart* chart = Child<Chart>(*form, "Chart1");
        QSignalSpy hits(chart, &Chart::clickSeries);
        const Run& run = form->run();

        // The first sample: all three curves start at 0; the yellow one, tried first, decides.
        QTest::mousePress(chart, Qt::LeftButton, {}, At(chart->samplePixel(2, 0)));
        QCOMPARE(hits.count(), 1);
        QCOMPARE(hits.last().at(0).toInt(), 2);
        QCOMPARE(hits.last().at(1).toInt(), 0);
        QCOMPARE(shown.texts.last(), QStringLiteral("t=0,0 мc,  Iвх=0,0 A,  Uвх=0,0 В,  Uн=0,0 В"));
        QCOMPARE(shown.titles.last(), title);

        // The green curve near 1 ms, pressed with the right button: the reported sample lies
        // on the pressed pixel, within a pixel column of 1 ms.
        const std::size_t at1ms = run.Series2().Count() / 30;
        const PixelPoint green = chart->samplePixel(1, at1ms);
        QTest::mousePress(chart, Qt::RightButton, {}, At(green));
        QCOMPARE(hits.count(), 2);
        QCOMPARE(hits.last().at(0).toInt(), 1);
        const int index = hits.last().at(1).toInt();
        QCOMPARE(chart->samplePixel(1, index), green);
        QVERIFY(std::fabs(run.Series2().XValue(index) - 1.0) < 0.1);
        QCOMPARE(shown.texts.last(), QString::fromStdString(ReadoutText(run, run.Series2(), index)));

        // The red curve along the bottom axis, at 10 ms where the bridge is blocked.
        const std::size_t at10ms = run.Series1().Count() / 3;
        QCOMPARE(run.Series1().YValue(at10ms), 0.0);
        QTest::mousePress(chart, Qt::MiddleButton, {}, At(chart->samplePixel(0, at10ms)));
        QCOMPARE(hits.last().at(0).toInt(), 0);
        QVERIFY(shown.texts.last().contains(QStringLiteral("Iвх=0,0 A")));

        // Where the yellow and green curves cross, the yellow one decides the sample.
        std::size_t crossing = 0;
        for (std::size_t i = run.Series2().Count() / 10; i < run.Series2().Count() && !crossing; ++i)
            if (chart->samplePixel(1, i) == chart->samplePixel(2, i))
                crossing = i;
        QVERIFY(crossing > 0);
        QTest::mousePress(chart, Qt::LeftButton, {}, At(chart->samplePixel(2, crossing)));
        QCOMPARE(hits.last().at(0).toInt(), 2);

        // Off every curve, and on the axis labels: nothing.
        const int before = hits.count();
        const QRect plot = chart->plotRect();
        QTest::mousePress(chart, Qt::LeftButton, {}, plot.topLeft() + QPoint(8, 8));
        QTest::mousePress(chart, Qt::LeftButton, {}, QPoint(plot.left() - 10, plot.bottom()));
        QTest::mousePress(chart, Qt::LeftButton, {}, QPoint(plot.center().x(), plot.bottom() + 12));
        QCOMPARE(hits.count(), before);
        QCOMPARE(shown.texts.size(), before);
    }

    // Where the source crosses zero it lands a hair below; the readout shows no "-0,0".
    void readoutHasNoNegativeZero_data() { AddProgramRows(); }
    void readoutHasNoNegativeZero()
    {
        QFETCH(QString, program);
        const auto form = MakeForm(program);
        Messages shown(*form);
        const Run& run = form->run();
        for (std::size_t i = 0; i < run.Series2().Count(); ++i)
            if (run.Series2().YValue(i) < 0 && run.Series2().YValue(i) > -0.05)
                form->Chart1ClickSeries(1, int(i));
        QVERIFY(!shown.texts.isEmpty());
        for (const QString& text : shown.texts) {
            QVERIFY2(text.contains(QStringLiteral("Uвх=0,0 В")), qPrintable(text));
            QVERIFY2(!text.contains(QStringLiteral("-0,0")), qPrintable(text));
        }
    }

    // The default readout: a modal box with the text, one OK button and no icon.
    void messageBox()
    {
        const auto form = MakeForm("dravik");
        QString title, text;
        int buttons = -1;
        QMessageBox::Icon icon = QMessageBox::Warning;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = int(box->buttons().size());
            QTest::keyClick(box, Qt::Key_Return);
        });
        form->Chart1ClickSeries(2, 0);
        QCOMPARE(title, QStringLiteral("Dravik"));
        QCOMPARE(text, QStringLiteral("t=0,0 мc,  Iвх=0,0 A,  Uвх=0,0 В,  Uн=0,0 В"));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, 1);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
