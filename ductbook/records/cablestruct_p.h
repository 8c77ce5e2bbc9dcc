#ifndef CABLESTRUCT_P_H
#define CABLESTRUCT_P_H

#include "testresults.h"

#include <cstring>

// The block a tester reports for a cable it has not measured: every byte
// 0xFF, every integer -1. Test results and test definitions both start from it.
inline cable_struct unmeasuredCableStruct()
{
    cable_struct block;
    std::memset(&block, 0, sizeof(block));
    std::memset(block.pairStatus, 0xFF, sizeof(block.pairStatus));
    std::memset(block.wiremap, 0xFF, sizeof(block.wiremap));
    std::memset(block.farEndFlags, 0xFF, sizeof(block.farEndFlags));
    for (qint32& value : block.pairValues)
        value = -1;
    for (qint32& value : block.pairLength)
        value = -1;
    for (qint32& value : block.pairExtra)
        value = -1;
    return block;
}

#endif // CABLESTRUCT_P_H
