#pragma once
#include <algorithm>
#include <cstddef>
#include <vector>

namespace cocos2d {

// A list of Ref objects that keeps one reference to each element it holds.
template <class T>
class Vector
{
public:
    using iterator = typename std::vector<T>::iterator;
    using const_iterator = typename std::vector<T>::const_iterator;

    Vector() = default;
    explicit Vector(std::size_t capacity) { _data.reserve(capacity); }
    Vector(const Vector& other) : _data(other._data) { retainAll(); }
    Vector(Vector&& other) noexcept : _data(std::move(other._data)) { other._data.clear(); }
    ~Vector() { clear(); }
    Vector& operator=(const Vector& other)
    {
        if (this != &other)
        {
            clear();
            _data = other._data;
            retainAll();
        }
        return *this;
    }
    Vector& operator=(Vector&& other) noexcept
    {
        if (this != &other)
        {
            clear();
            _data = std::move(other._data);
            other._data.clear();
        }
        return *this;
    }

    iterator begin() { return _data.begin(); }
    iterator end() { return _data.end(); }
    const_iterator begin() const { return _data.begin(); }
    const_iterator end() const { return _data.end(); }

    std::size_t size() const { return _data.size(); }
    bool empty() const { return _data.empty(); }
    void reserve(std::size_t n) { _data.reserve(n); }
    std::size_t capacity() const { return _data.capacity(); }
    T at(std::size_t index) const { return _data.at(index); }
    T front() const { return _data.front(); }
    T back() const { return _data.back(); }
    bool contains(T object) const { return std::find(_data.begin(), _data.end(), object) != _data.end(); }
    // -1 when absent.
    long getIndex(T object) const
    {
        auto it = std::find(_data.begin(), _data.end(), object);
        return it == _data.end() ? -1 : static_cast<long>(it - _data.begin());
    }

    void pushBack(T object)
    {
        _data.push_back(object);
        object->retain();
    }
    void pushBack(const Vector& other)
    {
        for (T obj : other)
            pushBack(obj);
    }
    void insert(std::size_t index, T object)
    {
        _data.insert(_data.begin() + static_cast<long>(index), object);
        object->retain();
    }
    void popBack()
    {
        T last = _data.back();
        _data.pop_back();
        last->release();
    }
    void eraseObject(T object, bool removeAll = false)
    {
        for (auto it = _data.begin(); it != _data.end();)
        {
            if (*it == object)
            {
                it = _data.erase(it);
                object->release();
                if (!removeAll)
                    return;
            }
            else
            {
                ++it;
            }
        }
    }
    iterator erase(iterator position)
    {
        T obj = *position;
        iterator next = _data.erase(position);
        obj->release();
        return next;
    }
    iterator erase(std::size_t index) { return erase(_data.begin() + static_cast<long>(index)); }
    void replace(std::size_t index, T object)
    {
        object->retain();
        _data[index]->release();
        _data[index] = object;
    }
    void clear()
    {
        std::vector<T> old;
        old.swap(_data);
        for (T obj : old)
            obj->release();
    }

private:
    void retainAll()
    {
        for (T obj : _data)
            obj->retain();
    }
    std::vector<T> _data;
};

}
