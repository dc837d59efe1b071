#include <QTest>

#include "report/gamesummary.h"
#include "report/summaryprint.h"

namespace {

// n rows; every third one wrong.
void fill(GameSummary &summary, int n)
{
    for (int r = 2; r < n + 2; ++r)
        summary.setRow(r, QStringLiteral("p%1").arg(r), QStringLiteral("a%1").arg(r), QStringLiteral("t%1").arg(r),
                       r % 3 == 0);
}

// Every character 0.6 em wide: 72 characters of 10 pt make one 6 in line.
double pitch(const QString &text, const PrintFont &font)
{
    return text.size() * font.pointSize * 0.6 / 72;
}

QList<PrintText> textsAt(const PrintPage &page, double x, double y)
{
    QList<PrintText> found;
    for (const PrintText &text : page.texts())
        if (qFuzzyCompare(text.at.x(), x) && qFuzzyCompare(text.at.y(), y))
            found.append(text);
    return found;
}

} // namespace

class TestSummaryPrint : public QObject
{
    Q_OBJECT
private slots:
    void titleAndResultLine()
    {
        GameSummary summary;
        summary.setResultLine(QStringLiteral("   Results for: Ann   Date: 12/8/2026"));
        const QList<PrintText> texts = summaryPrintLayout(summary, QStringLiteral("Version 1.0.0"), pitch).texts();
        QCOMPARE(texts[0], (PrintText{{1.0, 0.75},
                                      QStringLiteral("_________________________Sumdrop Version 1.0.0"
                                                     "_________________________"),
                                      PrintFont{QString(), 10, true, true, printBlack}}));
        QCOMPARE(texts[1], (PrintText{{1.0, 1.0}, summary.resultLine(), PrintFont{QString(), 10, false, false, printBlue}}));
    }

    void resultLineWraps_data()
    {
        const QString x72(72, u'x');
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one line") << x72 << QStringList{x72};
        QTest::newRow("at a blank") << "   Results for: Ann " + x72 << QStringList{"   Results for: Ann", x72};
        QTest::newRow("blanks dropped at the break") << x72 + "     You got 9" << QStringList{x72, "You got 9"};
        QTest::newRow("a word too long") << x72 + "yz" << QStringList{x72, "yz"};
        QTest::newRow("cut after two lines") << x72 + " " + x72 + "zz"
                                             << QStringList{x72, x72.left(71) + QChar(0x2026)};
    }
    void resultLineWraps()
    {
        QFETCH(QString, result);
        QFETCH(QStringList, lines);
        GameSummary summary;
        summary.setResultLine(result);
        fill(summary, 100);
        const PrintPage page = summaryPrintLayout(summary, QStringLiteral("Version 1.0.0"), pitch);
        const PrintFont blue{QString(), 10, false, false, printBlue};
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(page.texts()[1 + i], (PrintText{{1.0, 1.0 + i * summaryLineHeight}, lines[i], blue}));
        QCOMPARE(page.texts()[1 + lines.size()].text, QStringLiteral("YOUR"));
        // Nothing runs past the margin, and the result ends above the headings.
        for (const PrintText &text : page.texts())
            QVERIFY2(text.at.x() + (text.rightAligned ? 0 : pitch(text.text, text.font)) <= printRightEdge + 1e-9,
                     qPrintable(text.text));
        QVERIFY(1.0 + lines.size() * summaryLineHeight <= 1.4);
    }

    void columns_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<double>>("origins");
        QTest::addColumn<QList<int>>("rowsPerColumn");
        QTest::newRow("no rows") << 0 << QList<double>{2.5} << QList<int>{0};
        QTest::newRow("7 rows") << 7 << QList<double>{2.5} << QList<int>{7};
        QTest::newRow("48 rows") << 48 << QList<double>{2.5} << QList<int>{48};
        QTest::newRow("49 rows") << 49 << QList<double>{1.0, 4.5} << QList<int>{49, 0};
        QTest::newRow("50 rows") << 50 << QList<double>{1.0, 4.5} << QList<int>{50, 0};
        QTest::newRow("51 rows") << 51 << QList<double>{1.0, 4.5} << QList<int>{50, 1};
        QTest::newRow("100 rows") << 100 << QList<double>{1.0, 4.5} << QList<int>{50, 50};
    }
    void columns()
    {
        QFETCH(int, rows);
        QFETCH(QList<double>, origins);
        QFETCH(QList<int>, rowsPerColumn);
        GameSummary summary;
        fill(summary, rows);
        const PrintPage page = summaryPrintLayout(summary, QStringLiteral("Version 1.0.0"), pitch);
        QCOMPARE(page.lines().size(), origins.size());
        QCOMPARE(page.texts().size(), 2 + 5 * origins.size() + 3 * rows);

        const PrintFont bold{QString(), 10, true, false, printBlack};
        const double second = 1.4 + summaryLineHeight;
        int row = 2;
        for (int c = 0; c < origins.size(); ++c) {
            const double h = origins[c];
            QCOMPARE(page.lines()[c], (PrintLine{{h, 1.75}, {h + 2.5, 1.75}}));
            QCOMPARE(textsAt(page, h + 1.1, 1.4), QList<PrintText>{(PrintText{{h + 1.1, 1.4}, "YOUR", bold})});
            QCOMPARE(textsAt(page, h + 2.0, 1.4), QList<PrintText>{(PrintText{{h + 2.0, 1.4}, "CARD", bold})});
            QCOMPARE(textsAt(page, h, second), QList<PrintText>{(PrintText{{h, second}, "PROBLEM", bold})});
            QCOMPARE(textsAt(page, h + 1.0, second), QList<PrintText>{(PrintText{{h + 1.0, second}, "ANSWER", bold})});
            QCOMPARE(textsAt(page, h + 2.0, second), QList<PrintText>{(PrintText{{h + 2.0, second}, "TIME", bold})});
            // The rule sits between the headings and the first row.
            QVERIFY(second + summaryLineHeight <= 1.75 + 1e-9);

            for (int line = 0; line < rowsPerColumn[c]; ++line, ++row) {
                const double y = 1.85 + line * summaryLineHeight;
                const PrintColour colour = row % 3 == 0 ? printRed : printBlack;
                const PrintFont font{QString(), 10, false, false, colour};
                QCOMPARE(textsAt(page, h, y), QList<PrintText>{(PrintText{{h, y}, QStringLiteral("p%1").arg(row), font})});
                QCOMPARE(textsAt(page, h + 1.25, y),
                         QList<PrintText>{(PrintText{{h + 1.25, y}, QStringLiteral("a%1").arg(row), font})});
                QCOMPARE(textsAt(page, h + 2.0, y),
                         QList<PrintText>{(PrintText{{h + 2.0, y}, QStringLiteral("t%1").arg(row), font})});
            }
        }
        QCOMPARE(row, rows + 2);
    }

    void fiftyRowsFitAboveTenInches()
    {
        QVERIFY(1.85 + 50 * summaryLineHeight <= 10.0);
    }

    void hiddenRowsAreNotPrinted()
    {
        GameSummary summary;
        fill(summary, 60);
        summary.reset();
        summary.setRow(2, QStringLiteral("only"), QStringLiteral("1"), QString(), false);
        const PrintPage page = summaryPrintLayout(summary, QString(), pitch);
        QCOMPARE(page.lines().size(), 1);
        QCOMPARE(page.texts().size(), 2 + 5 + 3);
        QCOMPARE(textsAt(page, 2.5, 1.85).first().text, QStringLiteral("only"));
        QCOMPARE(textsAt(page, 4.5, 1.85).first().text, QString()); // no card time: an empty text
    }
};

QTEST_GUILESS_MAIN(TestSummaryPrint)
#include "tst_summaryprint.moc"
