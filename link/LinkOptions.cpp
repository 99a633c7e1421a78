#include "link/LinkOptions.h"
#include "link/D2xxFtdi.h"
#include "link/SerialFtdi.h"
#include "link/SimFtdi.h"
#include "link/TraceFtdi.h"
#include "model/SettingsTab.h"
#include <QCommandLineParser>
#include <QFile>

namespace {

// A numeric knob of the simulated unit: option name, value name, help, allowed range
// and where the value goes.
struct IntKnob
{
    const char *name;
    const char *valueName;
    const char *help;
    int min;
    int max;
    void (*store)(SimOptions &, int);
};

const IntKnob intKnobs[] = {
    {"sim-version-byte", "N", "Simulated unit: answer the version query with byte N (0-255, e.g. 0x29).", 0, 255,
     [](SimOptions &o, int v) { o.version = quint8(v); }},
    {"sim-version-on-attempt", "K", "Simulated unit: answer the version query from its K-th arrival on.", 1, 1000000,
     [](SimOptions &o, int v) { o.faults.versionFromAttempt = v; }},
    {"sim-bad-ack", "N", "Simulated unit: the first N block answers (-1: every one) end in 0x00, not 0xFD.", -1,
     1000000, [](SimOptions &o, int v) { o.faults.badNinthByteAnswers = v; }},
    {"sim-ack-after", "K", "Simulated unit: K other bytes before the data acknowledgement (-1: it never comes).", -1,
     1000000, [](SimOptions &o, int v) { o.faults.dataAckAfterBytes = v; }},
    {"sim-late", "MS", "Simulated unit: answers come MS milliseconds late.", 0, 600000,
     [](SimOptions &o, int v) { o.faults.lateMs = v; }},
    {"sim-late-replies", "N", "Simulated unit: only the first N answers are late (-1: every one).", -1, 1000000,
     [](SimOptions &o, int v) { o.faults.lateReplies = v; }},
    {"sim-silent-from-block", "N", "Simulated unit: blocks N and above go unanswered.", 0, 255,
     [](SimOptions &o, int v) { o.faults.silentFromBlock = v; }},
    {"sim-unplug-at", "K", "Simulated unit: the cable comes out at the K-th frame.", 1, 1000000,
     [](SimOptions &o, int v) { o.faults.unplugAtFrame = v; }},
};

QString name(const char *n) { return QString::fromLatin1(n); }

bool readInt(const QCommandLineParser &parser, const QString &option, int min, int max, int *out, QString *error)
{
    bool ok = false;
    const QString text = parser.value(option);
    const int v = text.trimmed().toInt(&ok, 0);
    if (!ok || v < min || v > max) {
        if (error)
            *error = QStringLiteral("--%1: %2 is not a number from %3 to %4").arg(option, text).arg(min).arg(max);
        return false;
    }
    *out = v;
    return true;
}

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

void addLinkOptions(QCommandLineParser &parser, int groups)
{
    if (groups & CableOptions) {
        parser.addOption({name("link"), name("Cable backend: auto (the cable's library when it loads, else serial), "
                                             "d2xx, serial or sim (a simulated unit)."),
                          name("auto|d2xx|serial|sim"), name("auto")});
        parser.addOption({name("port"), name("Serial backend: use port PATH instead of finding the cable."),
                          name("PATH")});
        parser.addOption({name("trace"), name("Write every call to the cable into FILE."), name("FILE")});
    }
    if (groups & SimUnitOptions) {
        parser.addOption({name("sim-version"), name("Simulated unit: firmware version 39 or 40."), name("39|40"),
                          name("40")});
        parser.addOption({name("sim-password"), name("Simulated unit: installer password NNNN."), name("NNNN")});
        parser.addOption({name("sim-silent"), name("Simulated unit: answers nothing.")});
        parser.addOption({name("sim-needs-rts"), name("Simulated unit: silent until the RTS line was changed.")});
        for (const IntKnob &k : intKnobs)
            parser.addOption({name(k.name), name(k.help), name(k.valueName)});
    }
}

bool readLinkOptions(const QCommandLineParser &parser, LinkOptions *out, QString *error, int groups)
{
    LinkOptions o;
    if (groups & CableOptions) {
        const QString link = parser.value(name("link")).trimmed().toLower();
        if (link == QLatin1String("auto"))
            o.kind = LinkKind::Auto;
        else if (link == QLatin1String("d2xx"))
            o.kind = LinkKind::D2xx;
        else if (link == QLatin1String("serial"))
            o.kind = LinkKind::Serial;
        else if (link == QLatin1String("sim"))
            o.kind = LinkKind::Sim;
        else
            return fail(error, QStringLiteral("--link: %1 is none of auto, d2xx, serial, sim").arg(link));
        o.port = parser.value(name("port"));
        o.trace = parser.value(name("trace"));
        if (parser.isSet(name("port")) && o.port.isEmpty())
            return fail(error, QStringLiteral("--port: no path given"));
    }
    if (groups & SimUnitOptions) {
        const QString version = parser.value(name("sim-version")).trimmed();
        if (version == QLatin1String("39"))
            o.sim.version = 0x27;
        else if (version == QLatin1String("40"))
            o.sim.version = 0x28;
        else
            return fail(error, QStringLiteral("--sim-version: %1 is neither 39 nor 40").arg(version));
        if (parser.isSet(name("sim-password"))) {
            SimulatedUnit probe;
            o.sim.password = parser.value(name("sim-password"));
            if (!probe.setInstallerPassword(o.sim.password))
                return fail(error, QStringLiteral("--sim-password: %1 is not four digits").arg(o.sim.password));
        }
        o.sim.faults.silent = parser.isSet(name("sim-silent"));
        o.sim.faults.needsRtsToggle = parser.isSet(name("sim-needs-rts"));
        for (const IntKnob &k : intKnobs) {
            if (!parser.isSet(name(k.name)))
                continue;
            int v = 0;
            if (!readInt(parser, name(k.name), k.min, k.max, &v, error))
                return false;
            k.store(o.sim, v);
        }
    }
    *out = o;
    return true;
}

void applySimOptions(const SimOptions &options, SimulatedUnit &unit)
{
    // A simulated unit starts as a new one would: factory settings, code table 0.
    const Dane_Podstawowe fabryczny = SettingsTab::Obraz_Fabryczny();
    unit.setImage(QByteArray(reinterpret_cast<const char *>(fabryczny.data()), Dane_Podstawowe::Rozmiar_Obrazu));
    unit.setVersion(options.version);
    if (!options.password.isEmpty())
        unit.setInstallerPassword(options.password);
    unit.setFaults(options.faults);
}

LinkBackend::~LinkBackend() = default;

FtdiApi &LinkBackend::api() { return *m_api; }

LinkClock &LinkBackend::clock() { return *m_clock; }

std::unique_ptr<LinkBackend> LinkBackend::create(const LinkOptions &options, Failure *failure, QString *detail)
{
    auto report = [&](Failure f, const QString &text) {
        if (failure)
            *failure = f;
        if (detail)
            *detail = text;
        return std::unique_ptr<LinkBackend>();
    };
    report(Failure::None, QString());

    std::unique_ptr<LinkBackend> b(new LinkBackend);
    b->m_kind = options.kind;
    if (b->m_kind == LinkKind::Auto || b->m_kind == LinkKind::D2xx) {
        auto d2xx = std::make_unique<D2xxFtdi>();
        QString why;
        if (d2xx->load(&why)) {
            b->m_d2xx = std::move(d2xx);
            b->m_kind = LinkKind::D2xx;
        } else if (b->m_kind == LinkKind::D2xx) {
            return report(Failure::LibraryMissing, why);
        } else {
            b->m_kind = LinkKind::Serial;
        }
    }

    const LinkClock *traceClock = nullptr;
    switch (b->m_kind) {
    case LinkKind::D2xx:
        b->m_api = b->m_d2xx.get();
        break;
    case LinkKind::Serial:
        b->m_serial = std::make_unique<SerialFtdi>(options.port);
        b->m_api = b->m_serial.get();
        break;
    case LinkKind::Sim:
    case LinkKind::Auto:
        b->m_unit = std::make_unique<SimulatedUnit>();
        applySimOptions(options.sim, *b->m_unit);
        b->m_virtual = std::make_unique<VirtualClock>();
        b->m_sim = std::make_unique<SimFtdi>(*b->m_unit, *b->m_virtual);
        b->m_api = b->m_sim.get();
        b->m_clock = b->m_virtual.get();
        traceClock = b->m_virtual.get();
        break;
    }
    if (!b->m_clock) {
        b->m_real = std::make_unique<RealClock>();
        b->m_clock = b->m_real.get();
    }

    if (!options.trace.isEmpty()) {
        b->m_traceFile = std::make_unique<QFile>(options.trace);
        if (!b->m_traceFile->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            return report(Failure::TraceFile, QStringLiteral("%1: %2").arg(options.trace, b->m_traceFile->errorString()));
        b->m_trace = std::make_unique<TraceFtdi>(*b->m_api, *b->m_traceFile, traceClock);
        b->m_api = b->m_trace.get();
    }
    return b;
}
