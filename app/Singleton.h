#pragma once

// The one instance of a manager or screen, made on first use and kept until
// the process ends (never destroyed, so nothing depends on exit order).
template <typename T>
class Singleton
{
public:
    static T* getInstance()
    {
        static T* instance = new T();
        return instance;
    }

protected:
    Singleton() = default;
    ~Singleton() = default;

private:
    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;
};
