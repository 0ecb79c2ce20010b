#pragma once

// One state object that the program reaches through a function, and that a test replaces for its
// own lifetime by a Scope. Without a Scope the function returns one default instance.
template <class State>
class CurrentState {
public:
    static State& get() { return s_current ? *s_current : defaultState(); }

    class Scope {
    public:
        explicit Scope(State& state) : m_previous(s_current) { s_current = &state; }
        ~Scope() { s_current = m_previous; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        State* m_previous;
    };

private:
    static State& defaultState()
    {
        static State state;
        return state;
    }
    static inline State* s_current = nullptr;
};
