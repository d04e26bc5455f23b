#include "openProblems.h"

void CVornMotionOpenProblems::Open(const QObject *source, const QString &message)
{
    Close(source);
    problems.append(qMakePair(source, message));
}

void CVornMotionOpenProblems::Close(const QObject *source)
{
    const int position = Find(source);
    if (position >= 0)
        problems.removeAt(position);
}

bool CVornMotionOpenProblems::IsEmpty() const
{
    return problems.isEmpty();
}

bool CVornMotionOpenProblems::IsOpen(const QObject *source) const
{
    return Find(source) >= 0;
}

QString CVornMotionOpenProblems::LatestMessage() const
{
    return problems.isEmpty() ? QString() : problems.last().second;
}

int CVornMotionOpenProblems::Find(const QObject *source) const
{
    for (int position = 0; position < problems.size(); ++position) {
        if (problems.at(position).first == source)
            return position;
    }
    return -1;
}
