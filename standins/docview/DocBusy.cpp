#include "DocBusy.h"

namespace {

int g_busy = 0;

}  // namespace

DocBusyScope::DocBusyScope()
{
    ++g_busy;
}

DocBusyScope::~DocBusyScope()
{
    --g_busy;
}

bool DocViewIsBusy()
{
    return g_busy > 0;
}
