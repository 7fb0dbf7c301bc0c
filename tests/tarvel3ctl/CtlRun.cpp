#include "CtlRun.h"

#include <sstream>

#include "ChildProcess.h"

namespace tarvel::ctl::test {

const std::string kCtl = TARVEL3CTL_PATH;

CtlResult runCtl(std::vector<std::string> args)
{
    args.insert(args.begin(), kCtl);
    ChildProcess p(args);
    CtlResult r;
    r.status = p.wait(kDeadline).value_or(-1);
    r.out = p.out();
    r.err = p.err();
    return r;
}

CtlResult runCtlLine(const std::string& line)
{
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;)
        words.push_back(word);
    return runCtl(std::move(words));
}

}  // namespace tarvel::ctl::test
