#include "jobgenerator.h"

#include <testresults.h>

#include <QString>
#include <QStringList>
#include <QVector>

#include <cstring>

namespace {

void append(QByteArray& out, const QString& text)
{
    out += text.toLatin1();
}

// 515 numbers: two series of 257 values and the point count.
QByteArray plotText(int seed)
{
    QByteArray plot;
    plot.reserve(515 * 6);
    for (int i = 0; i < 514; ++i) {
        plot += QByteArray::number((seed * 31 + i * 7) % 2000 - 1000);
        plot += ',';
    }
    plot += "257,";
    return plot;
}

QByteArray measurementBlock(int seed)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray data(96, '0');
    for (int i = 0; i < 96; ++i)
        data[i] = hex[(seed + i * 5) % 16];
    return data;
}

LUMEN_PLOT_DATA plot(int seed)
{
    LUMEN_PLOT_DATA p;
    std::memset(&p, 0, sizeof(p));
    for (int i = 0; i < 257; ++i) {
        p.series1[i] = (seed * 31 + i * 7) % 2000 - 1000;
        p.series2[i] = (seed * 17 + i * 3) % 1500 - 700;
    }
    p.pointCount = 257;
    return p;
}

} // namespace

TestResults testedResult(int seed)
{
    cable_struct block;
    std::memset(&block, 0, sizeof(block));
    for (int i = 0; i < 4; ++i) {
        block.pairStatus[i] = quint8(i);
        block.pairValues[i] = seed % 1000 + i;
        block.pairLength[i] = 1500 + i;
    }
    TestResults r(QStringLiteral("2026-11-30 10:15"), QStringLiteral("PASS"),
                  QStringLiteral("4.2.1"), QStringLiteral("LX-1042"), block, 0);
    r.setEcho(plot(seed));
    r.setNEXT(plot(seed + 1));
    r.setChannel(plot(seed + 2));
    return r;
}

QByteArray generateCampusJob(const CampusJobSize& size)
{
    QByteArray out;
    out.reserve(size.cables * (size.withResults ? 5600 : 300) +
                size.floors * size.portsPerFloor * 120);
    out += size.format23 ? "<!DOCTYPE Job>\n<Job>\n <Release/>\n <Version number=\"2.3\"/>\n"
                         : "<!DOCTYPE Job>\n<Job>\n <Release/>\n <Version number=\"3.0\"/>\n";
    // What the 2.3 writer left out or wrote otherwise.
    const QString portDrop = size.format23 ? QString() : QStringLiteral(" drop_height=\"7\"");
    const QString runDrop = size.format23 ? QString() : QStringLiteral(" drop_height=\"0\"");
    const QString picFolder = size.format23 ? QString() : QStringLiteral(":/images/");
    const QByteArray untested = size.format23 ? "untested" : "UNTESTED";
    out +=
        " <Contractor_Info company=\"Campus Cabling\" email=\"\" logo=\"\" phone=\"\" "
        "tester=\"Bench\">\n"
        "  <Address address1=\"\" address2=\"\" city=\"\" country=\"\" state=\"\" zipcode=\"\"/>\n"
        " </Contractor_Info>\n";
    out +=
        " <Site_Info company=\"University\" contact=\"\" email=\"\" jobid=\"CAMPUS\" phone=\"\">\n"
        "  <Address address1=\"\" address2=\"\" city=\"\" country=\"\" state=\"\" zipcode=\"\"/>\n"
        " </Site_Info>\n";

    const int portsPerRoom = qMax(1, size.portsPerFloor / qMax(1, size.roomsPerFloor));
    const int totalPorts = size.floors * size.portsPerFloor;

    // The cables each floor's riser lists, for the cables between floors.
    QVector<QStringList> riserCables(qMax(0, size.floors));
    const int portsPerFloor = qMax(1, size.portsPerFloor);
    auto floorOf = [portsPerFloor](int portIndex) { return portIndex / portsPerFloor; };

    out += " <Cable_List>\n";
    for (int c = 0; c < size.cables; ++c) {
        // Both ends on one floor: ports 2k and 2k+1 of the floor, wrapping.
        const int from = (2 * c) % qMax(1, totalPorts);
        int to = (2 * c + 1) % qMax(1, totalPorts);
        QString path;
        if (size.crossFloorEvery > 0 && size.floors > 1 && c % size.crossFloorEvery == 0) {
            to = (from + size.portsPerFloor) % qMax(1, totalPorts);
            const int a = floorOf(from);
            const int b = floorOf(to);
            path = QStringLiteral("Pt%1,end_first_floor,Pt%2").arg(a + 1).arg(b + 1);
            const QString tag = QStringLiteral("Cable%1").arg(c + 1);
            riserCables[a].append(tag);
            if (b != a)
                riserCables[b].append(tag);
        }
        append(out, QStringLiteral("  <Cable%1 id=\"Cable%2\" bundleGroupNum=\"\" bundleName=\"\" "
                                   "bundleNum=\"\" color=\"#3399ff\" from=\"P%3\" path=\"%5\" "
                                   "to=\"P%4\" type=\"CAT6\" use=\"Network\">\n")
                        .arg(c + 1)
                        .arg(c + 1, 3, 10, QLatin1Char('0'))
                        .arg(from + 1)
                        .arg(to + 1)
                        .arg(path));
        if (size.withResults) {
            out += "   <Test_Results bert_errors=\"0\" chan=\"" + plotText(c) + "\" data=\"" +
                   measurementBlock(c) + "\" echo=\"" + plotText(c + 1) + "\" next=\"" +
                   plotText(c + 2) +
                   "\" serial=\"LX-1042\" software_version=\"4.2.1\" status=\"PASS\" "
                   "time=\"2026-11-30 10:15\"/>\n";
        } else {
            out += "   <Test_Results bert_errors=\"-1\" chan=\"\" data=\"" + QByteArray(96, 'F') +
                   "\" echo=\"\" next=\"\" serial=\"\" software_version=\"\" status=\"" + untested +
                   "\" time=\"\"/>\n";
        }
        append(out, QStringLiteral("  </Cable%1>\n").arg(c + 1));
    }
    out += " </Cable_List>\n <Connection_List/>\n <Floor_List>\n";

    int port = 0;
    int room = 0;
    for (int f = 1; f <= size.floors; ++f) {
        append(out, QStringLiteral(
                        "  <FFloor_%1 id=\"Floor_%1\" ceiling_height=\"9\" pic=\"\">\n"
                        "   <Room_List>\n    <Undefined id=\"Undefined\">\n"
                        "     <Port_List/>\n     <VerticalRun_List>\n"
                        "      <VerticalRun%1 id=\"VR%2\" connected=\"%3\" disconnected=\"\"%4 "
                        "icon_scale=\"not_specified\" "
                        "use=\"vertical_run\" x=\"40\" y=\"40\"/>\n"
                        "     </VerticalRun_List>\n    </Undefined>\n")
                        .arg(f)
                        .arg(f, 2, 10, QLatin1Char('0'))
                        .arg(riserCables.value(f - 1).join(QLatin1Char(',')))
                        .arg(runDrop));
        int placed = 0;
        for (int r = 0; r < size.roomsPerFloor && placed < size.portsPerFloor; ++r) {
            ++room;
            append(out, QStringLiteral("    <Room%1 id=\"R%2-%3\" height=\"300\" layer=\"3\" "
                                       "namex=\"10\" namey=\"10\" show_dimensions=\"3\" "
                                       "show_name=\"3\" width=\"400\" x=\"%4\" y=\"100\">\n"
                                       "     <Port_List>\n")
                            .arg(room)
                            .arg(f)
                            .arg(r + 1)
                            .arg(100 + r * 420));
            const int inRoom = r == size.roomsPerFloor - 1
                                   ? size.portsPerFloor - placed
                                   : qMin(portsPerRoom, size.portsPerFloor - placed);
            for (int p = 0; p < inRoom; ++p, ++placed) {
                ++port;
                append(out, QStringLiteral("      <Port%1 id=\"P%1\"%4 "
                                           "icon_scale=\"not_specified\" use=\"Network\" x=\"%2\" "
                                           "y=\"%3\"/>\n")
                                .arg(port)
                                .arg(110 + r * 420 + (p % 20) * 18)
                                .arg(110 + (p / 20) * 18)
                                .arg(portDrop));
            }
            out += "     </Port_List>\n     <VerticalRun_List/>\n    </Room";
            out += QByteArray::number(room);
            out += ">\n";
        }
        append(out, QStringLiteral("   </Room_List>\n   <Point_List>\n"
                                   "    <Point%1 id=\"Pt%1\" x=\"60\" y=\"60\"/>\n"
                                   "   </Point_List>\n  </FFloor_%2>\n")
                        .arg(f)
                        .arg(f));
    }
    out += " </Floor_List>\n <Sheet_List>\n  <SSheet_1 id=\"Sheet_1\">\n   <Device_List>\n";
    for (int d = 1; d <= size.devices; ++d)
        append(out, QStringLiteral("    <Device%1 id=\"SW%2\" icon_scale=\"not_specified\" "
                                   "ip=\"10.0.%1.1\" pic=\"%4switch.png\" x=\"%3\" "
                                   "y=\"50\"/>\n")
                        .arg(d)
                        .arg(d, 2, 10, QLatin1Char('0'))
                        .arg(d * 60)
                        .arg(picFolder));
    out += "   </Device_List>\n   <Vertice_List/>\n   <FreeText_List/>\n  </SSheet_1>\n"
           " </Sheet_List>\n <TestDef_List>\n"
           "  <TestDef1 id=\"CAT6\" SNR=\"0\" cable_category=\"6\" color=\"#3399ff\" "
           "comment=\"\" data_rate=\"1000\" default_type=\"1\" expected=\"" +
           QByteArray(96, 'F') +
           "\" in_use=\"1111\" length_constant=\"1500\" max_length=\"330\" shield=\"0\" "
           "skew=\"450\"/>\n </TestDef_List>\n <BundledCable_List/>\n"
           " <JobNotes_Text text=\"Generated campus job\"/>\n"
           " <ActiveNetworkTest_List>\n  <ActivePort_List/>\n </ActiveNetworkTest_List>\n</Job>\n";
    return out;
}
