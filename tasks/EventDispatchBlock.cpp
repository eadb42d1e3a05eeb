// Morvane command, task and undo engine.
// Holds back every task event while the program waits for the user in a nested event loop.
#include "tasks/EventDispatchBlock.h"

static int g_nBlocks = 0;

CEventDispatchBlock::CEventDispatchBlock()
{
    ++g_nBlocks;
}

CEventDispatchBlock::~CEventDispatchBlock()
{
    --g_nBlocks;
}

bool CEventDispatchBlock::IsActive()
{
    return g_nBlocks > 0;
}
