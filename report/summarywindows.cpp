#include "report/summarywindows.h"

#include "app/program.h"

SummaryWindows::SummaryWindows(Program &program)
    : program(program)
{
}

SummaryWindows::~SummaryWindows() = default;

void SummaryWindows::showPage(int)
{
}
