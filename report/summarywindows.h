#pragma once

#include <QObject>

class Program;

// The five summary page windows, frmSummaryDisplay0 to frmSummaryDisplay4:
// created when first shown, then only shown and hidden.
class SummaryWindows : public QObject
{
    Q_OBJECT
public:
    explicit SummaryWindows(Program &program);
    ~SummaryWindows() override;

    // page 1..5
    void showPage(int page);

private:
    Program &program;
};
