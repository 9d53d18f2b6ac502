#pragma once
// The interactive services (message boxes, file choosers) stand behind an
// interface: the real one on Qt, or a scripted one that a test installs. The
// newest installed service answers; a scope puts the previous one back when
// it ends, also when scopes end out of order.

#include <algorithm>
#include <mutex>
#include <vector>

template <class Service> class ServiceStack {
public:
    void Push(Service* service)
    {
        std::lock_guard lock(m_mutex);
        m_services.push_back(service);
    }
    void Remove(Service* service)
    {
        std::lock_guard lock(m_mutex);
        const auto found = std::find(m_services.rbegin(), m_services.rend(), service);
        if (found != m_services.rend())
            m_services.erase(std::next(found).base());
    }
    // Called without any lock held afterwards: a real service runs an event
    // loop, from which another service may be asked for.
    Service* Current() const
    {
        std::lock_guard lock(m_mutex);
        return m_services.empty() ? nullptr : m_services.back();
    }

    // Never destroyed, so that a scope ending while the program's statics
    // are torn down still finds its stack.
    static ServiceStack& Instance()
    {
        static union Storage {
            Storage() : stack() {}
            ~Storage() {}
            ServiceStack stack;
        } storage;
        return storage.stack;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<Service*> m_services;
};

// Installs a service for as long as the scope lives.
template <class Service> class ServiceScope {
public:
    explicit ServiceScope(Service& service) : m_service(&service) { ServiceStack<Service>::Instance().Push(m_service); }
    ~ServiceScope() { ServiceStack<Service>::Instance().Remove(m_service); }
    ServiceScope(const ServiceScope&) = delete;
    ServiceScope& operator=(const ServiceScope&) = delete;

private:
    Service* m_service;
};
