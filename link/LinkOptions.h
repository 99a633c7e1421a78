#pragma once
#include "link/FtdiApi.h"
#include "link/LinkClock.h"
#include "link/SimulatedUnit.h"
#include <QString>
#include <memory>

class QCommandLineParser;
class QFile;
class D2xxFtdi;
class SerialFtdi;
class SimFtdi;
class TraceFtdi;

// Which backend serves the cable. Auto: the vendor's library when it loads, otherwise
// the kernel's serial driver.
enum class LinkKind { Auto, D2xx, Serial, Sim };

// The simulated unit as the options describe it.
struct SimOptions
{
    quint8 version = 0x28;
    QString password; // four digits; empty: the unit's own default
    SimFaults faults;
};

struct LinkOptions
{
    LinkKind kind = LinkKind::Auto;
    QString port;  // serial: this port instead of the one found by description
    QString trace; // file for the call trace; empty: no trace
    SimOptions sim;
};

// Option groups: the cable's (--link, --port, --trace) and the simulated unit's
// (--sim-...). vezo and vezo-cli take both; vezo-sim only the unit's.
enum LinkOptionGroup { CableOptions = 1, SimUnitOptions = 2, AllLinkOptions = CableOptions | SimUnitOptions };

void addLinkOptions(QCommandLineParser &parser, int groups = AllLinkOptions);
// Reads the groups added before (after parser.process or parse). False with a message
// in *error for a value that makes no sense; *out is then unspecified.
bool readLinkOptions(const QCommandLineParser &parser, LinkOptions *out, QString *error, int groups = AllLinkOptions);

// Sets version, password and faults of a unit.
void applySimOptions(const SimOptions &options, SimulatedUnit &unit);

// The cable as the options chose it: the backend (behind the trace when tracing), the
// clock its exchanges must use, and what came with it.
class LinkBackend
{
public:
    enum class Failure {
        None,
        LibraryMissing, // the vendor's library could not be loaded or bound
        TraceFile,      // the trace file could not be created
    };

    // Null on failure, with why and the system's wording of it.
    static std::unique_ptr<LinkBackend> create(const LinkOptions &options, Failure *failure = nullptr,
                                               QString *detail = nullptr);
    ~LinkBackend();
    LinkBackend(const LinkBackend &) = delete;
    LinkBackend &operator=(const LinkBackend &) = delete;

    FtdiApi &api();
    // Real time for the cable; for the in-process simulator its virtual clock, so a silent
    // simulated unit costs no waiting.
    LinkClock &clock();
    LinkKind kind() const { return m_kind; } // never Auto

    SerialFtdi *serial() { return m_serial.get(); }
    SimulatedUnit *simulatedUnit() { return m_unit.get(); }
    SimFtdi *simFtdi() { return m_sim.get(); }

private:
    LinkBackend() = default;

    LinkKind m_kind = LinkKind::Sim;
    std::unique_ptr<D2xxFtdi> m_d2xx;
    std::unique_ptr<SerialFtdi> m_serial;
    std::unique_ptr<SimulatedUnit> m_unit;
    std::unique_ptr<VirtualClock> m_virtual;
    std::unique_ptr<SimFtdi> m_sim;
    std::unique_ptr<RealClock> m_real;
    std::unique_ptr<QFile> m_traceFile;
    std::unique_ptr<TraceFtdi> m_trace;
    FtdiApi *m_api = nullptr;
    LinkClock *m_clock = nullptr;
};
