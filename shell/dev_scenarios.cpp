#include "dev_scenarios.h"

#include <QRegularExpression>

#include "sim_ft_api.h"

namespace kav::shell {

std::unique_ptr<ft::FtApi> simulatedDeviceFor(const QString& befehlszeile) {
    static const QRegularExpression muster(QStringLiteral("/sim:(\\w+)"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = muster.match(befehlszeile);
    if (!m.hasMatch())
        return nullptr;
    const QString name = m.captured(1).toLower();
    sim::SimOptions o;
    if (name == QLatin1String("slow")) {
        sim::FaultRule r = sim::FaultRule::make(sim::FaultRule::Kind::Slow);
        r.delay = std::chrono::milliseconds(150);
        o.scenario.add(r);
    } else if (name == QLatin1String("silent")) {
        o.scenario.silent();
    } else if (name == QLatin1String("nodevice")) {
        o.scenario.noConverter = true;
    } else if (name == QLatin1String("noversion")) {
        o.scenario.refuseVersion = true;
    } else if (name == QLatin1String("supply")) {
        sim::FaultRule r = sim::FaultRule::make(sim::FaultRule::Kind::FailureBit, "RD_Info");
        r.parameterPrefix = {3};
        o.scenario.add(r);
    } else {
        return nullptr;
    }
    return sim::createSimulatedFtApi(o);
}

} // namespace kav::shell
