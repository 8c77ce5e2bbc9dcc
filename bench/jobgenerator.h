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
    // The same job as the 2.3 writer had it: no drop heights, device
    // pictures as bare file names, "untested" in lower case.
    bool format23 = false;
    // When above 0, every crossFloorEvery-th cable runs instead to the port
    // of the same number on the next floor (the last floor to the first),
    // through a path point on each floor and the risers of both floors,
    // which list it as connected.
    int crossFloorEvery = 0;
};

QByteArray generateCampusJob(const CampusJobSize& size);

// A complete tester result (measurement block and three 257-point plots),
// varied by seed, as the host hands one to setCableTestResults.
TestResults testedResult(int seed);

#endif // JOBGENERATOR_H
