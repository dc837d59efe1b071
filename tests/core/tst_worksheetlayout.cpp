#include <QTest>

#include "worksheet/printedsheet.h"
#include "worksheet/worksheetlayout.h"

namespace {

const QString version = QStringLiteral("Version 1.0.0");

QList<WorksheetProblem> numbered(int count)
{
    QList<WorksheetProblem> problems;
    for (int i = 1; i <= count; ++i)
        problems.append({QString::number(i).rightJustified(3, u' '), QStringLiteral("+ 1"), i + 1});
    return problems;
}

// Every character 0.5 em wide: 86 characters of 10 pt make one 6 in line.
double pitch(const QString &text, const PrintFont &font)
{
    return text.size() * font.pointSize * 0.5 / 72;
}

} // namespace

class TestWorksheetLayout : public QObject
{
    Q_OBJECT
private slots:
    void header_data()
    {
        const QString tail = QStringLiteral("Sumdrop Version 1.0.0_________________________");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("no name") << QString() << QStringList{"            " + tail};
        QTest::newRow("a name") << "Ann" << QStringList{"Worksheet for: Ann            " + tail};
        QTest::newRow("a long name") << QString(60, u'W') << QStringList{"Worksheet for: " + QString(60, u'W'), tail};
    }
    void header()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, lines);
        const QList<PrintText> texts = worksheetLayout(numbered(10), name, version, pitch).texts();
        for (int i = 0; i < lines.size(); ++i) {
            QCOMPARE(texts[i].text, lines[i]);
            QCOMPARE(texts[i].at, QPointF(1.0, 0.75 + 0.16 * i));
            QCOMPARE(texts[i].font, (PrintFont{QString(), 10, true, true, printBlack}));
            QVERIFY(!texts[i].rightAligned);
        }
        QVERIFY(texts[lines.size()].rightAligned); // the first problem
    }

    void problemPlaces_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("problem");
        QTest::addColumn<double>("rightEdge");
        QTest::addColumn<double>("topY");
        QTest::newRow("first") << 25 << 1 << 0.7 << 1.2;
        QTest::newRow("end of row 1") << 25 << 10 << 7.0 << 1.2;
        QTest::newRow("start of row 2") << 25 << 11 << 0.7 << 2.1;
        QTest::newRow("23rd") << 25 << 23 << 2.1 << 3.0;
        QTest::newRow("last of 25") << 25 << 25 << 3.5 << 3.0;
        QTest::newRow("last of 100") << 100 << 100 << 7.0 << 9.3;
    }
    void problemPlaces()
    {
        QFETCH(int, count);
        QFETCH(int, problem);
        QFETCH(double, rightEdge);
        QFETCH(double, topY);
        const QList<PrintText> texts = worksheetLayout(numbered(count), QString(), version, pitch).texts();
        const QString label = QString::number(problem).rightJustified(3, u' ');
        const auto top = std::find_if(texts.begin(), texts.end(), [&](const PrintText &t) { return t.text == label; });
        QVERIFY(top != texts.end());
        QVERIFY(top->rightAligned);
        QCOMPARE(top->at.x(), rightEdge);
        QCOMPARE(top->at.y(), topY);
        QCOMPARE(top->font, (PrintFont{QStringLiteral("Courier"), 14, false, false, printBlack}));
        // Its bottom text: same edge, 0.2 in lower, underlined.
        const int row = (problem - 1) / 10;
        const int inRow = std::min(10, count - row * 10);
        const PrintText bottom = *(top + inRow);
        QCOMPARE(bottom.text, QStringLiteral("+ 1"));
        QCOMPARE(bottom.at, QPointF(rightEdge, topY + 0.2));
        QVERIFY(bottom.rightAligned);
        QVERIFY(bottom.font.underline);
    }

    void rowsStopAfterTheLastProblem_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("perRow");
        QTest::newRow("25") << 25 << QList<int>{10, 10, 5};
        QTest::newRow("10") << 10 << QList<int>{10};
        QTest::newRow("100") << 100 << QList<int>(10, 10);
        QTest::newRow("more than a page") << 130 << QList<int>(10, 10);
        QTest::newRow("none") << 0 << QList<int>{};
    }
    void rowsStopAfterTheLastProblem()
    {
        QFETCH(int, count);
        QFETCH(QList<int>, perRow);
        const PrintPage page = worksheetLayout(numbered(count), QString(), version, pitch);
        QVERIFY(page.lines().isEmpty());
        QList<int> found;
        for (const PrintText &text : page.texts().mid(1)) {
            const int row = qRound((text.at.y() - 1.2) / 0.9);
            QVERIFY(row >= 0 && row < 10);
            if (found.size() <= row)
                found.resize(row + 1);
            found[row] += text.text != QStringLiteral("+ 1"); // count tops only
        }
        QCOMPARE(found, perRow);
        QCOMPARE(page.texts().size(), 1 + 2 * std::min(count, 100));
    }

    void divisionAndSubtraction_data()
    {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("bottom");
        QTest::addColumn<bool>("underlined");
        QTest::newRow("56 divided by 7") << "___" << "7)56" << false;
        QTest::newRow("6 divided by 3") << "___" << "3) 6" << false;
        QTest::newRow("108 divided by 9") << "____" << "9)108" << false;
        QTest::newRow("15 take away 7") << " 15" << "- 7" << true;
        QTest::newRow("12 times 47") << " 12" << "x47" << true;
    }
    void divisionAndSubtraction()
    {
        QFETCH(QString, top);
        QFETCH(QString, bottom);
        QFETCH(bool, underlined);
        const QList<PrintText> texts = worksheetLayout({{top, bottom}}, QString(), version, pitch).texts();
        QCOMPARE(texts.size(), 3);
        const PrintFont courier{QStringLiteral("Courier"), 14, false, false, printBlack};
        PrintFont bottomFont = courier;
        bottomFont.underline = underlined;
        QCOMPARE(texts[1], (PrintText{{0.7, 1.2}, top, courier, true}));
        QCOMPARE(texts[2], (PrintText{{0.7, 1.4}, bottom, bottomFont, true}));
    }

    // The sheet's page is today's page plus its number; the key repeats every
    // problem in its place and puts its answer under it, or a quotient on the bar.
    void answerKey_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("weak");
        QTest::addColumn<QString>("keyHeading");
        QTest::newRow("no name") << QString() << false << "Answer Key";
        QTest::newRow("a name") << "Ann" << false << "Answer Key            Worksheet for: Ann";
        QTest::newRow("weak facts") << "Ann" << true << "Answer Key            Practice for: Ann";
    }
    void answerKey()
    {
        QFETCH(QString, name);
        QFETCH(bool, weak);
        QFETCH(QString, keyHeading);
        QList<WorksheetProblem> problems = numbered(24);
        problems[13] = {QStringLiteral("___"), QStringLiteral("7)56"), 8};
        PrintedSheet sheet{123456, name, WorksheetSetup(), {}};
        if (weak)
            sheet.weakFacts = {{{15, 3, 4}, Mastery::NeedsWork}};
        const QList<PrintPage> pages = worksheetPages(sheet, problems, true, version, pitch);
        QCOMPARE(pages.size(), 2);
        const PrintText number{{7.0, 9.9}, QStringLiteral("Sheet 123456"), PrintFont{QString(), 7, false, false, printBlack}, true};
        const QString prefix = weak ? QStringLiteral("Practice for: ") : QStringLiteral("Worksheet for: ");
        PrintPage sheetPage = worksheetLayout(problems, name, version, pitch, prefix);
        sheetPage.add(number);
        QCOMPARE(pages[0].items, sheetPage.items);
        QCOMPARE(worksheetPages(sheet, problems, false, version, pitch), QList<PrintPage>{sheetPage});

        const QList<PrintText> key = pages[1].texts();
        QCOMPARE(key.first().text, keyHeading);
        QCOMPARE(key.last(), number);
        const QList<PrintText> problemTexts = sheetPage.texts().mid(1, 48);
        QCOMPARE(key.mid(1, 48), problemTexts);
        const QList<PrintText> answers = key.mid(49, 24);
        for (int i = 0; i < 24; ++i) {
            const QPointF place(0.7 * (i % 10 + 1), 1.2 + 0.9 * (i / 10) + (i == 13 ? -0.04 : 0.4));
            QCOMPARE(answers[i].at, place);
            QCOMPARE(answers[i].text, QString::number(problems[i].answer));
            QCOMPARE(answers[i].font.colour, printRed);
        }
    }
};

QTEST_GUILESS_MAIN(TestWorksheetLayout)
#include "tst_worksheetlayout.moc"
