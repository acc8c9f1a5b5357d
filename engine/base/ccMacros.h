#pragma once
#include <cstdio>
#include <functional>

// Namespace helpers, the create idiom and the small macros game code writes
// the same way it would against the original interfaces.
#define NS_CC_BEGIN namespace cocos2d {
#define NS_CC_END }
#define USING_NS_CC using namespace cocos2d

#define CC_SAFE_DELETE(p) do { delete (p); (p) = nullptr; } while (0)
#define CC_SAFE_DELETE_ARRAY(p) do { delete[] (p); (p) = nullptr; } while (0)
#define CC_SAFE_FREE(p) do { if (p) { free(p); (p) = nullptr; } } while (0)
#define CC_SAFE_RELEASE(p) do { if (p) { (p)->release(); } } while (0)
#define CC_SAFE_RELEASE_NULL(p) do { if (p) { (p)->release(); (p) = nullptr; } } while (0)
#define CC_SAFE_RETAIN(p) do { if (p) { (p)->retain(); } } while (0)
#define CC_BREAK_IF(cond) if (cond) break

// create(): new, init(); a failed init deletes the object and gives null.
#define CREATE_FUNC(__TYPE__)                 \
    static __TYPE__* create()                 \
    {                                         \
        __TYPE__* pRet = new __TYPE__();      \
        if (pRet->init())                     \
        {                                     \
            pRet->autorelease();              \
            return pRet;                      \
        }                                     \
        delete pRet;                          \
        return nullptr;                       \
    }

#define CC_DEGREES_TO_RADIANS(__ANGLE__) ((__ANGLE__) * 0.01745329252f)
#define CC_RADIANS_TO_DEGREES(__ANGLE__) ((__ANGLE__) * 57.29577951f)

#define CC_CALLBACK_0(__selector__, __target__, ...) std::bind(&__selector__, __target__, ##__VA_ARGS__)
#define CC_CALLBACK_1(__selector__, __target__, ...) \
    std::bind(&__selector__, __target__, std::placeholders::_1, ##__VA_ARGS__)
#define CC_CALLBACK_2(__selector__, __target__, ...) \
    std::bind(&__selector__, __target__, std::placeholders::_1, std::placeholders::_2, ##__VA_ARGS__)
#define CC_CALLBACK_3(__selector__, __target__, ...)                                      \
    std::bind(&__selector__, __target__, std::placeholders::_1, std::placeholders::_2, \
              std::placeholders::_3, ##__VA_ARGS__)

#define CCLOG(...) do { std::fprintf(stderr, __VA_ARGS__); std::fputc('\n', stderr); } while (0)
#define CCLOGERROR(...) CCLOG(__VA_ARGS__)
#define CCLOGWARN(...) CCLOG(__VA_ARGS__)
#define CCASSERT(cond, msg) do { if (!(cond)) CCLOG("Assertion failed: %s", msg); } while (0)

#define CCRANDOM_0_1() (static_cast<float>(std::rand()) / static_cast<float>(RAND_MAX))
#define CCRANDOM_MINUS1_1() (CCRANDOM_0_1() * 2.0f - 1.0f)
