#include "cli/Cli.h"
#include "cli/Commands.h"
#include "divination/NetName.h"

#include <exception>

namespace lumora::cli {

int netname(const Invocation& invocation, QTextStream& out, QTextStream& err)
{
    if (invocation.args.size() != 1)
        return usageComplaint(invocation, err);
    const QString name = upperCaseLatin(invocation.args.first().trimmed());
    if (name.isEmpty()) {
        err << "请输入你的网名！\n";
        return ExitBadInput;
    }
    out << "你的网名：" << name << '\n';
    try {
        out << "你的性格：" << NetNameTrait(name).trimmed() << '\n';
    } catch (const std::exception&) {
        out << "请重新输入网名，请不要输入特殊字符！\n";
    }
    return ExitOk;
}

} // namespace lumora::cli
