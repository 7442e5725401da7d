#include "windowrequests.h"

#include <utility>

namespace quorrel::ui
{
namespace
{

std::function<void(WindowRequest, QWidget *)> &answerer()
{
    static std::function<void(WindowRequest, QWidget *)> answer;
    return answer;
}

} // namespace

void requestWindow(WindowRequest window, QWidget *from)
{
    if (answerer())
        answerer()(window, from);
}

void answerWindowRequests(std::function<void(WindowRequest, QWidget *)> answer)
{
    answerer() = std::move(answer);
}

} // namespace quorrel::ui
