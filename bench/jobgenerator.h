#ifndef JOBGENERATOR_H
#define JOBGENERATOR_H

#include <QByteArray>

class TestResults;

// Writes the text of a current-version job of the given size, the way a large
// campus job looks: floors with rooms full of ports, a riser room per floor,
// path points, a network sheet with devices, and cables between ports of the
// same floor, each with a complete test result (measurement block and three
// 257-point plots) when withResults is set.
struct CampusJobSize
{
    int floors = 10;
    int roomsPerFloor = 10;
    int portsPerFloor = 1000;
    int cables = 10000;
    int devices = 50;
    bool withResults = true;
};

QByteArray generateCampusJob(const CampusJobSize& size);

// A complete tester result (measurement block and three 257-point plots),
// varied by seed, as the host hands one to setCableTestResults.
TestResults testedResult(int seed);

#endif // JOBGENERATOR_H
